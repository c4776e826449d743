// The main window: its defaults, the checks of the birth data, the Calculate action,
// closing, and reopening a saved reading.
#include "app/Application.h"
#include "ui/MainWindow.h"
#include "files/ReadingFile.h"
#include "platform/ReadingFileAccess.h"
#include "files/ReadingFileSamples.h"
#include "site/WebAddress.h"
#include "ui/SupportScreen.h"
#include "testlib/AppSession.h"
#include "testlib/GuiTestHelpers.h"
#include "ui/ResultWindow.h"
#include "widgets/LinkLabel.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace GuiTest;

namespace {

enum Sex { NoSex, Male, Female };
enum class Trigger { Button, Menu };

struct Session : AppSession
{
    Session() { app.showMainWindow(); }
    MainWindow* main() const { return app.mainWindow(); }

    void enter(const QString& name, Sex sex, int month, int day, int year)
    {
        MainWindow* w = main();
        control<QLineEdit>(w, "nameEdit")->setText(name);
        if (sex == Male)
            control<QRadioButton>(w, "maleButton")->setChecked(true);
        else if (sex == Female)
            control<QRadioButton>(w, "femaleButton")->setChecked(true);
        control<QComboBox>(w, "monthCombo")->setCurrentIndex(month);
        control<QComboBox>(w, "dayCombo")->setCurrentText(QString::number(day));
        control<QComboBox>(w, "yearCombo")->setCurrentText(QString::number(year));
    }

    void calculate(Trigger trigger)
    {
        if (trigger == Trigger::Button)
            QTest::mouseClick(control<QPushButton>(main(), "calculateButton"), Qt::LeftButton);
        else
            menuItem(main(), "calculateAction")->trigger();
        processDeletes();
    }

    void reopen(const QString& path)
    {
        platform.fileAnswers.enqueue(path);
        QTest::mouseClick(control<QPushButton>(main(), "openButton"), Qt::LeftButton);
        processDeletes();
    }
};

void verifyDefaults(MainWindow* w)
{
    QCOMPARE(control<QLineEdit>(w, "nameEdit")->text(), QString());
    QVERIFY(!control<QRadioButton>(w, "maleButton")->isChecked());
    QVERIFY(!control<QRadioButton>(w, "femaleButton")->isChecked());
    QCOMPARE(control<QComboBox>(w, "monthCombo")->currentText(), QStringLiteral("January"));
    QCOMPARE(control<QComboBox>(w, "dayCombo")->currentText(), QStringLiteral("1"));
    QCOMPARE(control<QComboBox>(w, "yearCombo")->currentText(), QStringLiteral("1930"));
    QCOMPARE(widgetOnTopAt(w->fullBrandLabel()), static_cast<QWidget*>(w->fullBrandLabel()));
}

void compareBirthData(const BirthData& actual, const BirthData& expected)
{
    QCOMPARE(actual.name, expected.name);
    QCOMPARE(actual.sex, expected.sex);
    QCOMPARE(actual.day, expected.day);
    QCOMPARE(actual.month, expected.month);
    QCOMPARE(actual.year, expected.year);
}

// After a successful Calculate: the result window alone is on screen.
void verifyOnlyResultWindow(Session& s)
{
    QVERIFY(s.app.resultWindow());
    QVERIFY(!s.app.mainWindow());
    QVERIFY(s.app.supportScreen());
    QVERIFY(!s.app.supportScreen()->isVisible());
    QCOMPARE(visibleWindows(), QList<QWidget*>{s.app.resultWindow()});
}

} // namespace

Q_DECLARE_METATYPE(Platform::Icon)
Q_DECLARE_METATYPE(Trigger)
Q_DECLARE_METATYPE(Sex)

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        processDeletes();
        QVERIFY2(visibleWindows().isEmpty(), "a window outlived its test");
    }

    // ---- a fresh window ----

    void freshWindow_defaults()
    {
        Session s;
        MainWindow* w = s.main();
        QVERIFY(w);
        QVERIFY(w->isVisible());
        verifyDefaults(w);
        QCOMPARE(visibleWindows(), QList<QWidget*>{w});
        QVERIFY(!s.app.supportScreen());
        QVERIFY(s.platform.messages.isEmpty());
    }

    void freshWindow_lists()
    {
        Session s;
        auto* month = control<QComboBox>(s.main(), "monthCombo");
        auto* date = control<QComboBox>(s.main(), "dayCombo");
        auto* year = control<QComboBox>(s.main(), "yearCombo");
        auto items = [](QComboBox* list) {
            QStringList texts;
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
            return texts;
        };
        QCOMPARE(items(month), MonthNames);
        QStringList days;
        for (int d = 1; d <= 31; ++d)
            days << QString::number(d);
        QCOMPARE(items(date), days);
        QStringList years;
        for (int y = 1930; y <= 2030; ++y)
            years << QString::number(y);
        QCOMPARE(items(year), years);
        QCOMPARE(year->findText(QStringLiteral("1929")), -1);
        QCOMPARE(year->findText(QStringLiteral("2031")), -1);

        // The day list does not follow the month.
        month->setCurrentIndex(1);
        QCOMPARE(items(date), days);
        month->setCurrentIndex(3);
        QCOMPARE(date->count(), 31);

        for (QComboBox* list : {month, date, year})
            QVERIFY2(!list->isEditable(), qPrintable(list->objectName()));
    }

    void freshWindow_makeMoneyCannotBeChosen()
    {
        Session s;
        auto* makeMoney = control<QAction>(s.main(), "makeMoneyAction");
        QVERIFY(!makeMoney->isEnabled());
        QMenuBar* bar = s.main()->menuBar();
        QVERIFY(!bar->actions().contains(makeMoney));  // not shown at all
        makeMoney->trigger();
        QVERIFY(s.platform.openedUrls.isEmpty());

        // A click on an item that is switched on does reach it.
        auto* donate = control<QAction>(s.main(), "donateAction");
        const QPoint donateAt = bar->mapTo(s.main(), bar->actionGeometry(donate).center());
        QTest::mouseClick(s.main()->windowHandle(), Qt::LeftButton, {}, donateAt);
        QCOMPARE(s.platform.openedUrls, QStringList{pageAddress("donate")});
    }

    void links_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("pageKey");
        QTest::newRow("forumLink") << "forumLink"
                                 << "home-page";
        addSharedMenuLinkRows();
    }
    void links()
    {
        QFETCH(QString, source);
        QFETCH(QString, pageKey);
        Session s;
        if (source.endsWith(QLatin1String("Action")))
            menuItem(s.main(), qPrintable(source))->trigger();
        else
            clickOnTop(control<QWidget>(s.main(), qPrintable(source)));
        QCOMPARE(s.platform.openedUrls, QStringList{pageAddress(pageKey)});
        QVERIFY(s.platform.messages.isEmpty());
        QVERIFY(s.main());
        QVERIFY(s.main()->isVisible());
    }

    void offers_showTheirOwnText()
    {
        // Which offer is in front, and the page it opens, follow the start-up's random draw.
        Session s;
        QVERIFY(s.main()->coBrandLabel()->text().startsWith(QLatin1String("Co-brand this software for your site.")));
        QVERIFY(s.main()->fullBrandLabel()->text().startsWith(QLatin1String("Home Business Opportunity.")));
    }

    // ---- checks of the entries, through the button and through the File menu ----

    void validation_data()
    {
        QTest::addColumn<Trigger>("trigger");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message");  // empty: accepted
        QTest::addColumn<Platform::Icon>("icon");

        const QString name = QStringLiteral("Please Enter Your Name");
        const QString sex = QStringLiteral("Please Select Your Sex");
        const QString february = QStringLiteral("Please Enter Correct Date Or Month!");
        const QString thirty = QStringLiteral("Please Enter Correct Date Or Month !");
        const auto critical = Platform::Icon::Critical;
        const auto info = Platform::Icon::Information;
        struct Row
        {
            const char* tag;
            const char* name;
            Sex sex;
            int month, day, year;
            QString message;
            Platform::Icon icon;
        };
        const Row rows[] = {
            {"defaults: empty name and no sex", "", NoSex, 0, 1, 1930, name, critical},
            {"blanks-only name", "     ", Female, 0, 1, 1930, name, critical},
            {"empty name before a wrong date", "", NoSex, 1, 31, 1999, name, critical},
            {"no sex", "Anna", NoSex, 0, 1, 1930, sex, critical},
            {"no sex before a wrong date", "Anna", NoSex, 3, 31, 1984, sex, critical},
            {"defaults with name and sex", "Anna", Male, 0, 1, 1930, {}, info},
            {"29 Feb 2000", "Anna", Female, 1, 29, 2000, {}, info},
            {"28 Feb 1999", "Anna", Female, 1, 28, 1999, {}, info},
            {"29 Feb 1999", "Anna", Female, 1, 29, 1999, february, info},
            {"30 Feb 2000", "Anna", Female, 1, 30, 2000, february, info},
            {"30 Feb 1931", "Anna", Male, 1, 30, 1931, february, info},
            {"31 Apr", "Anna", Female, 3, 31, 1984, thirty, info},
            {"31 Jun", "Anna", Female, 5, 31, 2000, thirty, info},
            {"31 Sep", "Anna", Female, 8, 31, 1930, thirty, info},
            {"31 Nov", "Anna", Female, 10, 31, 2030, thirty, info},
            {"30 Apr", "Anna", Female, 3, 30, 1984, {}, info},
            {"31 Mar", "Anna", Female, 2, 31, 1984, {}, info},
            {"31 Dec 2030", "Anna", Male, 11, 31, 2030, {}, info},
        };
        // The menu item runs the same checks; a refusal and an acceptance show it.
        for (const Row& row : rows) {
            for (Trigger trigger : {Trigger::Button, Trigger::Menu}) {
                const bool viaMenu = trigger == Trigger::Menu;
                if (viaMenu && qstrcmp(row.tag, "31 Apr") != 0 && qstrcmp(row.tag, "29 Feb 2000") != 0)
                    continue;
                QTest::addRow("%s%s", viaMenu ? "menu: " : "", row.tag) << trigger << QString::fromLatin1(row.name)
                                                                         << row.sex << row.month << row.day << row.year
                                                                         << row.message << row.icon;
            }
        }
    }
    void validation()
    {
        QFETCH(Trigger, trigger);
        QFETCH(QString, name);
        QFETCH(Sex, sex);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, year);
        QFETCH(QString, message);
        QFETCH(Platform::Icon, icon);

        Session s;
        s.enter(name, sex, month, day, year);
        QPointer<MainWindow> main = s.main();
        s.calculate(trigger);

        if (message.isEmpty()) {
            QVERIFY2(s.platform.messages.isEmpty(), qPrintable(s.platform.messageTexts().join(u'|')));
            QVERIFY(!main);
            verifyOnlyResultWindow(s);
            return;
        }
        QCOMPARE(s.platform.messageTexts(), QStringList{message});
        QCOMPARE(s.platform.messages.first().icon, icon);
        QCOMPARE(s.platform.messages.first().buttons, Platform::Buttons::Ok);
        // Nothing stored, no window changed, the entries stay for correction.
        QVERIFY(main);
        QVERIFY(main->isVisible());
        QVERIFY(!s.app.resultWindow());
        QCOMPARE(control<QLineEdit>(main, "nameEdit")->text(), name);
        QCOMPARE(control<QComboBox>(main, "dayCombo")->currentText(), QString::number(day));
        QCOMPARE(visibleWindows(), QList<QWidget*>{main.data()});
    }

    // ---- storing the entries ----

    void calculate_storesBirthData_data()
    {
        QTest::addColumn<Trigger>("trigger");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("storedName");
        QTest::addColumn<QString>("storedSex");
        QTest::newRow("outer blanks trimmed, inner kept") << Trigger::Button << "   Anna  Maria   " << Female << 2 << 7
                                                          << 1984 << "Anna  Maria"
                                                          << "Female";
        QTest::newRow("male, last entries") << Trigger::Button << "Tom" << Male << 11 << 31 << 2030 << "Tom"
                                            << "Male";
        QTest::newRow("menu, first entries") << Trigger::Menu << " Li " << Female << 0 << 1 << 1930 << "Li"
                                             << "Female";
        QTest::newRow("menu, 29 Feb") << Trigger::Menu << "Zoe" << Male << 1 << 29 << 2000 << "Zoe"
                                      << "Male";
    }
    void calculate_storesBirthData()
    {
        QFETCH(Trigger, trigger);
        QFETCH(QString, typed);
        QFETCH(Sex, sex);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, year);
        QFETCH(QString, storedName);
        QFETCH(QString, storedSex);

        Session s;
        s.enter(typed, sex, month, day, year);
        s.calculate(trigger);
        const BirthData expected = person(storedName, storedSex, day, MonthNames.at(month), year);
        compareBirthData(s.app.resultWindow()->birthData(), expected);
        verifyOnlyResultWindow(s);
    }

    void calculate_twiceInARunOverwritesEveryField()
    {
        Session s;
        s.enter(QStringLiteral("First Person"), Male, 11, 31, 2030);
        s.calculate(Trigger::Button);
        control<QPushButton>(s.app.resultWindow(), "backButton")->click();
        processDeletes();
        QVERIFY(s.main());
        s.enter(QStringLiteral("B"), Female, 0, 1, 1930);
        s.calculate(Trigger::Menu);
        compareBirthData(s.app.resultWindow()->birthData(), person("B", "Female", 1, "January", 1930));
        verifyOnlyResultWindow(s);
    }

    void lateClickWhileADialogIsUp_doesNothing()
    {
        // An access key's click arrives from a timer, possibly while a dialog of the same
        // window runs; calculating then would delete the window under that dialog.
        Session s;
        QPointer<MainWindow> main = s.main();
        s.enter(QStringLiteral("Anna"), Female, 2, 7, 1984);
        s.platform.duringDialog = [&] {
            control<QPushButton>(main, "calculateButton")->click();
            control<QPushButton>(main, "openButton")->click();
            processDeletes();
        };
        control<QPushButton>(main, "openButton")->click();  // its file dialog is cancelled
        processDeletes();
        QVERIFY(main);
        QCOMPARE(s.platform.fileDialogs.size(), 1);
        QVERIFY(!s.app.resultWindow());
        // Once the dialog is gone, the same click works.
        control<QPushButton>(main, "calculateButton")->click();
        QVERIFY(s.app.resultWindow());
    }

    // ---- closing ----

    void closing_showsSupportScreen_data()
    {
        QTest::addColumn<bool>("viaMenu");
        QTest::newRow("close box") << false;
        QTest::newRow("exitAction") << true;
    }
    void closing_showsSupportScreen()
    {
        QFETCH(bool, viaMenu);
        Session s;
        QPointer<MainWindow> main = s.main();
        s.enter(QStringLiteral("Anna"), Female, 2, 7, 1984);
        if (viaMenu)
            menuItem(main, "exitAction")->trigger();
        else
            QVERIFY(main->close());
        processDeletes();
        QVERIFY(!main);
        QVERIFY(!s.app.resultWindow());
        QVERIFY(s.app.supportScreen());
        QCOMPARE(visibleWindows(), QList<QWidget*>{s.app.supportScreen()});
        QCOMPARE(s.platform.exits, 0);
        QVERIFY(s.platform.messages.isEmpty());
    }

    // ---- reopening a saved reading ----

    void reopen_dialogSettings()
    {
        Session s;
        QTest::mouseClick(control<QPushButton>(s.main(), "openButton"), Qt::LeftButton);
        QCOMPARE(s.platform.fileDialogs.size(), 1);
        const Platform::FileDialog& dialog = s.platform.fileDialogs.first();
        QCOMPARE(dialog.mode, Platform::FileDialog::Mode::Open);
        QCOMPARE(dialog.title, QStringLiteral("Select the source file"));
        QVERIFY2(dialog.filter.contains(QLatin1String("(*.tib)")), qPrintable(dialog.filter));
        QCOMPARE(dialog.defaultSuffix, QStringLiteral("tib"));
    }

    void reopen_cancelChangesNothing()
    {
        Session s;
        s.enter(QStringLiteral("Typed"), Male, 4, 5, 1960);
        QPointer<MainWindow> main = s.main();
        s.reopen(QString());
        QCOMPARE(s.platform.fileDialogs.size(), 1);
        QVERIFY(s.platform.messages.isEmpty());
        QVERIFY(main);
        QVERIFY(!s.app.resultWindow());
        QCOMPARE(control<QLineEdit>(main, "nameEdit")->text(), QStringLiteral("Typed"));
        QVERIFY(control<QRadioButton>(main, "maleButton")->isChecked());
        QCOMPARE(control<QComboBox>(main, "monthCombo")->currentText(), QStringLiteral("May"));
        QCOMPARE(control<QComboBox>(main, "yearCombo")->currentText(), QStringLiteral("1960"));
        QCOMPARE(visibleWindows(), QList<QWidget*>{main.data()});
    }

    void reopen_pathCheck_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("x.atib: no dot needed") << "x.atib" << true;
        QTest::newRow("anna.tib") << "anna.tib" << true;
        QTest::newRow("upper case TIB") << "anna.TIB" << false;
        QTest::newRow("mixed case Tib") << "anna.Tib" << false;
        QTest::newRow("tib not at the end") << "anna.tib.bak" << false;
    }
    void reopen_pathCheck()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, accepted);
        QTemporaryDir dir;
        const QString path = dir.filePath(fileName);
        QVERIFY(ReadingFileAccess::write(path, anna()));

        Session s;
        QPointer<MainWindow> main = s.main();
        s.reopen(path);
        if (accepted) {
            QVERIFY(s.platform.messages.isEmpty());
            compareBirthData(s.app.resultWindow()->birthData(), anna());
            verifyOnlyResultWindow(s);
            return;
        }
        QCOMPARE(s.platform.messageTexts(), QStringList{QStringLiteral("Please Check The File.")});
        QCOMPARE(s.platform.messages.first().icon, Platform::Icon::Critical);
        QCOMPARE(s.platform.messages.first().buttons, Platform::Buttons::Ok);
        QVERIFY(main);
        verifyDefaults(main);  // nothing read into the entries
        QVERIFY(!s.app.resultWindow());
        QCOMPARE(visibleWindows(), QList<QWidget*>{main.data()});
    }

    void reopen_savedFileGivesSameReading_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("year");
        QTest::newRow("male, two words") << "Tom Smith"
                                         << "Male" << 31 << "December" << 2030;
        QTest::newRow("first entries") << "Li"
                                       << "Male" << 1 << "January" << 1930;
        QTest::newRow("29 Feb") << QString::fromUtf16(u"Jos\u00e9")
                                << "Female" << 29 << "February" << 1932;
    }
    void reopen_savedFileGivesSameReading()
    {
        QFETCH(QString, name);
        QFETCH(QString, sex);
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(int, year);
        const BirthData saved = person(name, sex, day, month, year);
        QTemporaryDir dir;
        const QString path = dir.filePath("saved.tib");
        QVERIFY(ReadingFileAccess::write(path, saved));

        Session s;
        s.reopen(path);
        QVERIFY2(s.platform.messages.isEmpty(), qPrintable(s.platform.messageTexts().join(u'|')));
        compareBirthData(s.app.resultWindow()->birthData(), saved);
        verifyOnlyResultWindow(s);
    }

    void reopen_longestNameComesBackWhole()
    {
        // As long as the name field allows, every character one the file keeps as the
        // longest reference there is ("&#29579;", eight bytes).
        Session s;
        const int longest = control<QLineEdit>(s.main(), "nameEdit")->maxLength();
        const BirthData saved = person(QString(longest, QChar(0x738B)), "Female", 7, "March", 1984);
        QTemporaryDir dir;
        const QString path = dir.filePath("long.tib");
        QVERIFY(ReadingFileAccess::write(path, saved));
        s.reopen(path);
        QVERIFY2(s.platform.messages.isEmpty(), qPrintable(s.platform.messageTexts().join(u'|')));
        QCOMPARE(s.app.resultWindow()->birthData().name.size(), longest);
        compareBirthData(s.app.resultWindow()->birthData(), saved);
    }

    void reopen_linesFillTheEntries_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("storedSex");
        QTest::addColumn<int>("storedDay");
        QTest::addColumn<QString>("storedMonth");
        QTest::addColumn<int>("storedYear");
        QTest::newRow("four lines keep the year 1930")
            << scrambledLines({"Anna", "Female", "7", "March"}, "\r\n") << "Female" << 7 << "March" << 1930;
        QTest::newRow("'male' selects Female")
            << scrambledLines({"Bob", "male", "5", "May", "1990"}, "\r\n") << "Female" << 5 << "May" << 1990;
        QTest::newRow("unknown day, month, year keep the defaults")
            << scrambledLines({"Bob", "Male", "32", "Smarch", "2031"}, "\r\n") << "Male" << 1 << "January" << 1930;
    }
    void reopen_linesFillTheEntries()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, storedSex);
        QFETCH(int, storedDay);
        QFETCH(QString, storedMonth);
        QFETCH(int, storedYear);
        QTemporaryDir dir;
        const QString path = dir.filePath("r.tib");
        writeBytes(path, content);

        Session s;
        s.reopen(path);
        QVERIFY2(s.platform.messages.isEmpty(), qPrintable(s.platform.messageTexts().join(u'|')));
        QCOMPARE(s.app.resultWindow()->birthData().sex, storedSex);
        QCOMPARE(int(s.app.resultWindow()->birthData().day), storedDay);
        QCOMPARE(s.app.resultWindow()->birthData().month, storedMonth);
        QCOMPARE(int(s.app.resultWindow()->birthData().year), storedYear);
        verifyOnlyResultWindow(s);
    }

    void reopen_translatedCaptionsKeepTheStoredValues()
    {
        BracketingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        const auto removeTranslator = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
        QTemporaryDir dir;
        const QString path = dir.filePath("bob.tib");
        const BirthData bob = person("Bob", "Male", 5, "May", 1990);
        QVERIFY(ReadingFileAccess::write(path, bob));

        Session s;
        QCOMPARE(control<QComboBox>(s.main(), "monthCombo")->itemText(4), QStringLiteral("[May]"));
        QCOMPARE(control<QRadioButton>(s.main(), "maleButton")->text(), QStringLiteral("[Male]"));
        s.reopen(path);
        QVERIFY2(s.platform.messages.isEmpty(), qPrintable(s.platform.messageTexts().join(u'|')));
        compareBirthData(s.app.resultWindow()->birthData(), bob);
    }

    void reopen_emptyNameLine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("noname.tib");
        writeBytes(path, scrambledLines({"", "Male", "7", "March", "1984"}, "\r\n"));

        Session s;
        QPointer<MainWindow> main = s.main();
        s.reopen(path);
        QCOMPARE(s.platform.messageTexts(), QStringList{QStringLiteral("Please Enter Your Name")});
        QCOMPARE(s.platform.messages.first().icon, Platform::Icon::Critical);
        // The entries were filled in before the check.
        QVERIFY(main);
        QCOMPARE(control<QLineEdit>(main, "nameEdit")->text(), QString());
        QVERIFY(control<QRadioButton>(main, "maleButton")->isChecked());
        QCOMPARE(control<QComboBox>(main, "dayCombo")->currentText(), QStringLiteral("7"));
        QCOMPARE(control<QComboBox>(main, "monthCombo")->currentText(), QStringLiteral("March"));
        QCOMPARE(control<QComboBox>(main, "yearCombo")->currentText(), QStringLiteral("1984"));
        QVERIFY(!s.app.resultWindow());
        QCOMPARE(visibleWindows(), QList<QWidget*>{main.data()});
    }

    void reopen_folderReadsAsAnEmptyFile()
    {
        // Each kind of path that holds no file reads as an empty file: tst_readingfile_unix.
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("case.tib")));
        Session s;
        s.reopen(dir.filePath(QStringLiteral("case.tib")));
        QCOMPARE(s.platform.messageTexts(), QStringList{QStringLiteral("Please Enter Your Name")});
        QCOMPARE(visibleWindows(), QList<QWidget*>{s.main()});
        QVERIFY(control<QRadioButton>(s.main(), "femaleButton")->isChecked());
    }

    void reopen_anyBytesGiveAReadingOrAMessage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("case.tib"));
        QByteArray bytes;
        for (int b = 0; b < 1024; ++b)
            bytes += char((b * 37 + b / 256 * 11) & 0xff);
        writeBytes(path, bytes);
        Session s;
        s.reopen(path);
        // Either the check refused the entries on the main window or a reading is shown.
        QWidget* shown = s.app.resultWindow() ? static_cast<QWidget*>(s.app.resultWindow()) : s.main();
        QCOMPARE(visibleWindows(), QList<QWidget*>{shown});
        QCOMPARE(s.platform.messages.size(), s.app.resultWindow() ? 0 : 1);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
