// Every text a person sees can be translated. Under a pseudo-translation, made from
// what lupdate finds in the product code with every entry marked, each window, tab,
// menu, dialog and message is opened and any visible text without the mark fails:
// it was written past tr() or hidden from lupdate. The reading's own data (names, the
// Tibetan sign name, paragraphs) and the promotional texts, which are content of their
// own, are the only texts allowed through unmarked.
#include "app/AboutBox.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/Startup.h"
#include "app/UpdateReminder.h"
#include "data/PromoTexts.h"
#include "support/SupportScreen.h"
#include "testlib/FakePlatform.h"
#include "testlib/GuiTestHelpers.h"
#include "translations/VisibleTexts.h"
#include "ui/ReportWindow.h"
#include "ui/ResultWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTranslator>

using namespace GuiTest;

namespace {

bool marked(const QString& text)
{
    return text.contains(u'\u27e6') && text.contains(u'\u27e7');
}

QStringList promoTexts()
{
    QStringList texts;
    for (const char* name : {"forum-invitation", "cobrand", "fullbrand", "about-description", "about-homepage",
                             "about-business", "nag-0", "nag-1", "nag-2", "nag-3", "nag-catalogue"})
        texts << PromoTexts::text(name);
    return texts;
}

// The texts of one window without the mark, as "objectName: text" (see VisibleTexts).
QStringList unmarkedTexts(QWidget* window, const QStringList& data = {})
{
    static const QStringList promo = promoTexts();
    QStringList found;
    for (const VisibleTexts::Text& shown : VisibleTexts::of(window, data)) {
        if (!marked(shown.text) && !promo.contains(shown.text))
            found << shown.owner + QStringLiteral(": ") + shown.text;
    }
    return found;
}

QStringList unmarkedMessages(const FakePlatform& platform)
{
    QStringList found;
    for (const FakePlatform::Message& message : platform.messages) {
        if (!marked(message.text))
            found << message.text;
    }
    for (const Platform::FileDialog& dialog : platform.fileDialogs) {
        if (!marked(dialog.title))
            found << dialog.title;
        if (!marked(dialog.filter))
            found << dialog.filter;
    }
    return found;
}

} // namespace

// Fails with the texts found, one after the other.
#define EXPECT_NONE(texts)                                                                   \
    do {                                                                                    \
        const QStringList found = (texts);                                                  \
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral(" | "))));           \
    } while (false)

class TestTranslatable : public QObject
{
    Q_OBJECT
    QTranslator m_pseudo;

private slots:
    void initTestCase()
    {
        QVERIFY2(m_pseudo.load(QStringLiteral(ZARVO_PSEUDO_CATALOGUE)), ZARVO_PSEUDO_CATALOGUE);
        QVERIFY(QCoreApplication::installTranslator(&m_pseudo));
    }

    void mainWindowAndItsMessages()
    {
        FakePlatform platform;
        Application app(platform);
        app.showMainWindow();
        MainWindow* main = app.mainWindow();
        EXPECT_NONE(unmarkedTexts(main, {QStringLiteral("nameEdit")}));

        // An empty name, then an impossible date, then a reading file that is not one.
        control<QPushButton>(main, "calculateButton")->click();
        control<QLineEdit>(main, "nameEdit")->setText(QStringLiteral("Anna"));
        control<QComboBox>(main, "monthCombo")->setCurrentIndex(1);
        control<QComboBox>(main, "dayCombo")->setCurrentIndex(30);
        control<QRadioButton>(main, "femaleButton")->setChecked(true);
        control<QPushButton>(main, "calculateButton")->click();
        QTemporaryDir folder;
        const QString junk = folder.filePath(QStringLiteral("junk.tib"));
        QFile file(junk);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("junk\r\n");
        file.close();
        platform.fileAnswers << junk << folder.filePath(QStringLiteral("junk.txt"));
        control<QPushButton>(main, "openButton")->click();
        app.showMainWindow();
        control<QPushButton>(app.mainWindow(), "openButton")->click();  // not a reading file
        QVERIFY(platform.messages.size() >= 4);
        EXPECT_NONE(unmarkedMessages(platform));
        app.quitApplication();
    }

    void aboutBox()
    {
        FakePlatform platform;
        Application app(platform);
        AboutBox about(app, nullptr);
        EXPECT_NONE(unmarkedTexts(&about));
    }

    void resultAndReportWindows()
    {
        FakePlatform platform;
        Application app(platform);
        app.birthData() = person(QStringLiteral("Anna"), QStringLiteral("Female"), 20, QStringLiteral("January"), 1984);
        app.showResultWindow();
        ResultWindow* result = app.resultWindow();
        // The sign names are shown translated; the Tibetan name and the paragraphs are content.
        const QStringList data = {"tibetanSunSignLabel", "westernText", "animalText", "elementText"};
        EXPECT_NONE(unmarkedTexts(result, data));

        ReportWindow report(app, result);
        EXPECT_NONE(unmarkedTexts(&report, {QStringLiteral("reportText")}));
        // The report's captions are translated; its values are the reading.
        QStringList captions;
        auto* document = control<QTextEdit>(&report, "reportText")->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.charFormat().fontWeight() == QFont::Bold && !marked(fragment.text()))
                    captions << fragment.text();
            }
        }
        EXPECT_NONE(captions);
        platform.hasPrinter = false;
        control<QPushButton>(&report, "printButton")->click();
        platform.fileAnswers << QStringLiteral("/nonexistent-folder/anna.tib");
        control<QPushButton>(&report, "saveButton")->click();  // fails
        QVERIFY(!platform.fileDialogs.isEmpty());
        QCOMPARE(platform.messages.size(), 1);
        EXPECT_NONE(unmarkedMessages(platform));
        app.quitApplication();
    }

    void supportScreenAndItsMessages()
    {
        FakePlatform platform;
        Application app(platform);
        app.showSupportScreen();
        SupportScreen* support = app.supportScreen();
        EXPECT_NONE(unmarkedTexts(support, {"nameEdit", "emailEdit", "friendNameEdit", "friendEmailEdit", "messageText"}));
        // Submitting an empty form, then one with a blank in an address.
        support->submit();
        control<QLineEdit>(support, "emailEdit")->setText(QStringLiteral("a b@example.org"));
        support->submit();
        QVERIFY(platform.messages.size() >= 2);
        EXPECT_NONE(unmarkedMessages(platform));
        app.quitApplication();
    }

    void startupMessages()
    {
        QTemporaryDir folder;
        SingleInstance first(folder.filePath(QStringLiteral("zarvo.lock")));
        QVERIFY(first.acquire());
        {
            FakePlatform platform;
            Application app(platform);
            SingleInstance second(folder.filePath(QStringLiteral("zarvo.lock")));
            QVERIFY(!Startup::run(app, second));
            QCOMPARE(platform.messages.size(), 1);
            EXPECT_NONE(unmarkedMessages(platform));
        }
        FakePlatform platform;
        Application app(platform);
        platform.settings.insert(QStringLiteral("Duration"), QStringLiteral("2000-01-01"));
        platform.answers << Platform::Answer::No;
        UpdateReminder::checkForUpdate(app, QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(platform.messages.size(), 1);
        EXPECT_NONE(unmarkedMessages(platform));
    }
};

QTEST_MAIN(TestTranslatable)
#include "tst_translatable.moc"
