// The result window: the reading on three stacked pages, its pictures, the clipboard
// guard of its text boxes, Back and closing, and its links.
#include "app/Application.h"
#include "ui/MainWindow.h"
#include "engine/Paragraphs.h"
#include "platform/QtPlatform.h"
#include "site/WebAddress.h"
#include "ui/SupportScreen.h"
#include "testlib/AppSession.h"
#include "testlib/GuiTestHelpers.h"
#include "ui/ResultWindow.h"
#include "widgets/GuardedTextEdit.h"
#include "widgets/LinkLabel.h"
#include "widgets/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

using namespace GuiTest;

namespace {

// Anna, female, born on the given date.
BirthData person(const QString& month, int day, int year)
{
    return GuiTest::person(QStringLiteral("Anna"), QStringLiteral("Female"), day, month, year);
}

// Which of the three pages the user sees: the one on top in the middle of the page area.
// The page a user sees below the tabs.
QString pageInFront(ResultWindow* window)
{
    QWidget* pages = control<QWidget>(window, "resultPages");
    for (QWidget* w = widgetOnTopAt(pages); w; w = w->parentWidget()) {
        if (w->parentWidget() == pages)
            return w->objectName();
    }
    return QStringLiteral("<none>");
}

QStringList pageOrder(QWidget* client)
{
    QStringList order;
    for (QObject* child : client->children()) {
        if (child->objectName().startsWith(QLatin1String("Picture")))
            order << child->objectName();
    }
    return order;
}

void clickTab(ResultWindow* window, int index)
{
    auto* tabs = control<QTabBar>(window, "resultTabs");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
}

const char* const TextBoxes[] = {"westernText", "animalText", "elementText"};

struct Session : AppSession
{
    ResultWindow* open(const BirthData& data)
    {
        app.showResultWindow(data);
        return app.resultWindow();
    }
};

} // namespace

Q_DECLARE_METATYPE(BirthData)

class TestResultWindow : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        processDeletes();
        QVERIFY2(visibleWindows().isEmpty(), "a window outlived its test");
    }

    // ---- the pages and the tab strip ----

    void opening_showsFirstPage()
    {
        Session s;
        ResultWindow* w = s.open(person("March", 25, 1984));
        QVERIFY(w->isVisible());
        auto* tabs = control<QTabBar>(w, "resultTabs");
        QCOMPARE(tabs->count(), 4);
        QCOMPARE(tabs->tabText(3), QStringLiteral("Tibetan Birth Chart"));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(pageInFront(w), QStringLiteral("astrologyPage"));
        // The pages behind are hidden, so that screen readers do not read them either.
        QVERIFY(!control<QWidget>(w, "sunSignPage")->isVisible());
        QVERIFY(!control<QWidget>(w, "animalPage")->isVisible());
    }

    void tabClicks_raiseTheirPage_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("front");
        QTest::newRow("tab 2") << QList<int>{1} << "sunSignPage";
        QTest::newRow("tab 3") << QList<int>{2} << "animalPage";
        QTest::newRow("tab 3, then tab 2") << QList<int>{2, 1} << "sunSignPage";
        QTest::newRow("tab 2, then tab 1") << QList<int>{1, 0} << "astrologyPage";
        QTest::newRow("tab 3, 2, 1, 3") << QList<int>{2, 1, 0, 2} << "animalPage";
        QTest::newRow("tab 4") << QList<int>{3} << "chartPage";
    }
    void tabClicks_raiseTheirPage()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, front);
        Session s;
        ResultWindow* w = s.open(person("March", 25, 1984));
        for (int tab : clicks)
            clickTab(w, tab);
        QCOMPARE(control<QTabBar>(w, "resultTabs")->currentIndex(), clicks.last());
        QCOMPARE(pageInFront(w), front);
        QVERIFY(s.platform.openedUrls.isEmpty());
    }

    void tabClick_onCurrentTabChangesNothing_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("tab 1 after opening") << 0;
        QTest::newRow("tab 2") << 1;
        QTest::newRow("tab 3") << 2;
    }
    void tabClick_onCurrentTabChangesNothing()
    {
        QFETCH(int, tab);
        Session s;
        ResultWindow* w = s.open(person("March", 25, 1984));
        if (tab != 0)
            clickTab(w, tab);
        QWidget* client = control<QWidget>(w, "astrologyPage")->parentWidget();
        const QStringList order = pageOrder(client);
        const QString front = pageInFront(w);
        const QString westernText = control<GuardedTextEdit>(w, "westernText")->toPlainText();
        clickTab(w, tab);
        QCOMPARE(pageOrder(client), order);
        QCOMPARE(pageInFront(w), front);
        QCOMPARE(control<QTabBar>(w, "resultTabs")->currentIndex(), tab);
        QCOMPARE(control<GuardedTextEdit>(w, "westernText")->toPlainText(), westernText);
    }

    // ---- what the window shows ----

    void labelsAndTexts_fromReading_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("tibetan");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QString>("western");
        QTest::addColumn<QString>("animal");
        QTest::addColumn<QString>("element");
        QTest::newRow("25 March 1984") << "March" << 25 << 1984 << "Nya" << "Fish" << "Pisces" << "Rat" << "Wood";
        QTest::newRow("1 January 1930") << "January" << 1 << 1930 << QString::fromUtf16(u"Sh\u00fc") << "Game"
                                        << "Sagittarius" << "Horse" << "Iron";
    }
    void labelsAndTexts_fromReading()
    {
        QFETCH(QString, month);
        QFETCH(int, day);
        QFETCH(int, year);
        QFETCH(QString, tibetan);
        QFETCH(QString, translation);
        QFETCH(QString, western);
        QFETCH(QString, animal);
        QFETCH(QString, element);
        Session s;
        ResultWindow* w = s.open(person(month, day, year));

        QCOMPARE(control<QLabel>(w, "tibetanSunSignLabel")->text(), tibetan);
        QCOMPARE(control<QLabel>(w, "westernLabel")->text(), western);
        QCOMPARE(control<QLabel>(w, "translationLabel")->text(), translation);
        QCOMPARE(control<QLabel>(w, "animalLabel")->text(), animal);
        QCOMPARE(control<QLabel>(w, "elementLabel")->text(), element);
        QCOMPARE(control<GuardedTextEdit>(w, "westernText")->toPlainText(), Paragraphs::text("western/" + western.toLower()));
        QCOMPARE(control<GuardedTextEdit>(w, "animalText")->toPlainText(), Paragraphs::text("animal/" + animal.toLower()));
        QCOMPARE(control<GuardedTextEdit>(w, "elementText")->toPlainText(), Paragraphs::text("element/" + element.toLower()));
        // The pictures belong to the signs shown beside them.
        QCOMPARE(control<PictureBox>(w, "sunSignPicture")->picture(), QStringLiteral(":/pictures/western/%1.svg").arg(western.toLower()));
        QCOMPARE(control<PictureBox>(w, "animalPicture")->picture(), QStringLiteral(":/pictures/animal/%1.svg").arg(animal.toLower()));

        for (const char* name : TextBoxes) {
            auto* box = control<GuardedTextEdit>(w, name);
            QVERIFY2(box->isReadOnly(), name);
            QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QVERIFY2(!(box->focusPolicy() & Qt::TabFocus), name);
        }
    }

    void noPlaceholderLeft_data()
    {
        QTest::addColumn<BirthData>("data");
        QTest::newRow("nothing found on a first computation") << person("Smarch", 1, 2031);
        QTest::newRow("unknown month, known year") << person("march", 1, 1984);
        QTest::newRow("known month, year 1929") << person("March", 25, 1929);
    }
    void noPlaceholderLeft()
    {
        QFETCH(BirthData, data);
        Session s;
        ResultWindow* w = s.open(data);
        const QStringList placeholders = {"Tibetan Sun Sign", "Tranlation", "Animal Sun Sign", "Element Name",
                                          "Western Sun Sign"};
        for (const char* name :
             {"tibetanSunSignLabel", "westernLabel", "translationLabel", "animalLabel", "elementLabel"}) {
            const QString text = control<QLabel>(w, name)->text();
            QVERIFY2(!placeholders.contains(text), qPrintable(QStringLiteral("%1 shows %2").arg(name, text)));
        }
        const Reading& reading = s.app.resultWindow()->reading();
        QCOMPARE(control<QLabel>(w, "tibetanSunSignLabel")->text(), reading.tibetanSunSign);
        QCOMPARE(control<QLabel>(w, "animalLabel")->text(), reading.animalSign);
        QCOMPARE(control<QLabel>(w, "elementLabel")->text(), reading.element);
        QCOMPARE(control<GuardedTextEdit>(w, "elementText")->toPlainText(), reading.elementText);
    }

    // ---- the Tibetan birth chart ----

    void birthChart_data()
    {
        QTest::addColumn<BirthData>("data");
        QTest::addColumn<QStringList>("shown");  // year, date and mewa; or why there is none
        QTest::addColumn<QString>("force");
        QTest::newRow("7 July 1984") << person("July", 7, 1984)
                                     << QStringList{"Wood-Male-Rat (rabjung 16, year 58)", "month 5, day 9", "7 Red"}
                                     << "Your Life Force: Water";
        QTest::newRow("Losar 1977, a doubled day") << person("February", 19, 1977)
            << QStringList{"Fire-Female-Snake (rabjung 16, year 51)", "month 1, day 2 (first of two)", "5 Yellow"}
            << "Your Soul: Wood";
        QTest::newRow("Losar 2019, a leap month") << person("February", 5, 2019)
            << QStringList{"Earth-Female-Boar (rabjung 17, year 33)", "leap month 1, day 1", "8 White"}
            << "Your Power: Earth";
        QTest::newRow("no such day") << person("Smarch", 1, 1984)
                                     << QStringList{"No birth chart: the date of birth is not a day of the calendar."}
                                     << QString();
    }
    void birthChart()
    {
        QFETCH(BirthData, data);
        QFETCH(QStringList, shown);
        QFETCH(QString, force);
        Session s;
        ResultWindow* w = s.open(data);
        auto* year = control<QLabel>(w, "yearLabel");
        QCOMPARE(year->text(), QString());  // worked out only when the tab is turned to
        clickTab(w, 3);
        QCOMPARE(pageInFront(w), QStringLiteral("chartPage"));
        QCOMPARE(year->text(), shown.value(0));
        QCOMPARE(control<QWidget>(w, "forcesBox")->isVisible(), !force.isEmpty());
        if (force.isEmpty())
            return;
        QCOMPARE(control<QLabel>(w, "dateLabel")->text(), shown.value(1));
        QCOMPARE(control<QLabel>(w, "mewaLabel")->text(), shown.value(2));
        QVERIFY(control<GuardedTextEdit>(w, "forcesText")->toPlainText().contains(force));
        // The names in Tibetan script are drawn in a font that has them.
        for (const char* name : {"yearTibetanLabel", "mewaTibetanLabel"}) {
            auto* label = control<QLabel>(w, name);
            QVERIFY2(drawsEveryGlyph(label->font(), label->text()), name);
        }
    }

    // ---- the note on a birth before Losar ----

    void losarNote_data()
    {
        QTest::addColumn<BirthData>("data");
        QTest::addColumn<QString>("note");
        const QString boar = QStringLiteral("Born before Losar (Tibetan New Year, 3\u00a0March\u00a01984): in the traditional "
                                            "reckoning your year is Water-Boar.");
        QTest::newRow("2 March 1984, the day before Losar") << person("March", 2, 1984) << boar;
        QTest::newRow("3 March 1984, Losar") << person("March", 3, 1984) << QString();
        QTest::newRow("1 January 1930, traditional year 1929")
            << person("January", 1, 1930)
            << QStringLiteral("Born before Losar (Tibetan New Year, 1\u00a0March\u00a01930): in the traditional reckoning "
                              "your year is Earth-Snake.");
    }
    void losarNote()
    {
        QFETCH(BirthData, data);
        QFETCH(QString, note);
        Session s;
        ResultWindow* w = s.open(data);
        clickTab(w, 2);
        auto* label = control<QLabel>(w, "losarNoteLabel");
        auto* paragraph = control<GuardedTextEdit>(w, "animalText");
        if (note.isEmpty()) {
            QVERIFY(!label->isVisible());
            // Nothing moves: the paragraph box keeps the rectangle its twins have on the other pages.
            QCOMPARE(QRect(paragraph->mapTo(w, QPoint()), paragraph->size()),
                     QRect(control<QWidget>(w, "elementText")->mapTo(w, QPoint()), control<QWidget>(w, "elementText")->size()));
            return;
        }
        QCOMPARE(label->text(), note);
        // On the animal page, in full and uncovered, so it is read without hovering.
        QVERIFY(label->isVisible());
        QVERIFY(control<QWidget>(w, "animalBox")->isAncestorOf(label));
        QVERIFY(label->parentWidget()->contentsRect().contains(label->geometry()));
        QVERIFY(!label->geometry().intersects(paragraph->geometry()));
        QVERIFY(label->height() >= label->heightForWidth(label->width()));
        QCOMPARE(widgetOnTopAt(label), label);
        // In the look of the frame's other texts (the western sign's name is gold).
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(128, 255, 128));
        QCOMPARE(control<QLabel>(w, "westernLabel")->palette().color(QPalette::WindowText), QColor(255, 255, 128));
        QCOMPARE(label->font().family(), paragraph->font().family());
        QCOMPARE(label->palette().color(QPalette::Window), QColor(100, 0, 110));
    }

    void pictures_fallBackToDesignPictures()
    {
        Session s;
        ResultWindow* w = s.open(person("Smarch", 1, 2031));
        QCOMPARE(s.app.resultWindow()->reading().sunSignImage, 0);
        QCOMPARE(s.app.resultWindow()->reading().animalSignImage, 0);
        QCOMPARE(control<PictureBox>(w, "sunSignPicture")->picture(), QStringLiteral(":/pictures/western/aquarius.svg"));
        QCOMPARE(control<PictureBox>(w, "animalPicture")->picture(), QStringLiteral(":/pictures/animal/tiger.svg"));
        QCOMPARE(control<QLabel>(w, "tibetanSunSignLabel")->text(), QString());
        QCOMPARE(control<QLabel>(w, "animalLabel")->text(), QString());
        QCOMPARE(control<GuardedTextEdit>(w, "westernText")->toPlainText(), QString());
    }

    void pictures_laterOpeningKeepsEarlierStringsButNotPictures()
    {
        Session s;
        s.open(person("March", 25, 1984));
        s.app.resultWindow()->close();
        processDeletes();
        QVERIFY(!s.app.resultWindow());
        s.app.hideSupportScreen();

        ResultWindow* w = s.open(person("Smarch", 1, 2031));
        // The strings carry over; the animal picture number is 0 this time, so the design
        // picture shows, while the earlier sun sign is found again.
        QCOMPARE(control<QLabel>(w, "tibetanSunSignLabel")->text(), QStringLiteral("Nya"));
        QCOMPARE(control<QLabel>(w, "animalLabel")->text(), QStringLiteral("Rat"));
        QCOMPARE(control<QLabel>(w, "elementLabel")->text(), QStringLiteral("Wood"));
        QCOMPARE(control<PictureBox>(w, "sunSignPicture")->picture(), QStringLiteral(":/pictures/western/pisces.svg"));
        QCOMPARE(control<PictureBox>(w, "animalPicture")->picture(), QStringLiteral(":/pictures/animal/tiger.svg"));
        QCOMPARE(pageInFront(w), QStringLiteral("astrologyPage"));
        QCOMPARE(control<QTabBar>(w, "resultTabs")->currentIndex(), 0);
    }

    // ---- the clipboard guard ----

    void clipboard_clearedOnOpening()
    {
        Session s;
        s.open(person("March", 25, 1984));
        QCOMPARE(s.platform.clipboardClears, 3);
    }

    void clipboard_clearedByMouseOverEachBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("tab");
        QTest::newRow("elementText") << "elementText" << 0;
        QTest::newRow("westernText") << "westernText" << 1;
        QTest::newRow("animalText") << "animalText" << 2;
    }
    void clipboard_clearedByMouseOverEachBox()
    {
        QFETCH(QString, box);
        QFETCH(int, tab);
        Session s;
        ResultWindow* w = s.open(person("March", 25, 1984));
        clickTab(w, tab);
        auto* text = control<GuardedTextEdit>(w, qPrintable(box));
        QWidget* area = text->viewport();
        const QPoint at = area->rect().center();

        const QString shown = text->toPlainText();
        s.platform.clipboardClears = 0;
        QTest::mousePress(area, Qt::LeftButton, {}, at);
        QCOMPARE(s.platform.clipboardClears, 1);
        QTest::mouseMove(area, at + QPoint(5, 3));
        QCOMPARE(s.platform.clipboardClears, 2);
        QTest::mouseRelease(area, Qt::LeftButton, {}, at + QPoint(5, 3));
        QCOMPARE(s.platform.clipboardClears, 3);
        // A move without a button pressed counts too.
        hover(area, at + QPoint(-4, 2));
        QCOMPARE(s.platform.clipboardClears, 4);
        // A whole click.
        QTest::mouseClick(area, Qt::LeftButton, {}, at);
        QVERIFY(s.platform.clipboardClears >= 6);
        // The text itself stays as set.
        QCOMPARE(text->toPlainText(), shown);
    }

    void clipboard_realClipboardIsEmptied()
    {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("copied before"));
        if (clipboard->text() != QLatin1String("copied before"))
            QSKIP("this platform keeps no clipboard");

        QtPlatform platform;
        Application app(platform);
        BirthData data = person("March", 25, 1984);
        app.showResultWindow(data);
        ResultWindow* w = app.resultWindow();
        QVERIFY(w);
        QCOMPARE(clipboard->text(), QString());

        for (const char* name : TextBoxes) {
            auto* text = control<GuardedTextEdit>(w, name);
            text->selectAll();
            text->copy();
            QVERIFY2(!clipboard->text().isEmpty(), name);  // copying itself works ...
            hover(text->viewport(), text->viewport()->rect().center());
            QCOMPARE(clipboard->text(), QString());  // ... until the mouse moves over the box
            clipboard->setText(QStringLiteral("other"));
            QTest::mousePress(text->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
            QCOMPARE(clipboard->text(), QString());
            clipboard->setText(QStringLiteral("other"));
            QTest::mouseRelease(text->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
            QCOMPARE(clipboard->text(), QString());
        }
        w->close();  // shows the support screen; the application deletes both
    }

    // ---- leaving the window ----

    void back_returnsToFreshMainWindow_data()
    {
        QTest::addColumn<bool>("viaMenu");
        QTest::newRow("backButton") << false;
        QTest::newRow("backAction") << true;
    }
    void back_returnsToFreshMainWindow()
    {
        QFETCH(bool, viaMenu);
        Session s;
        QPointer<ResultWindow> w = s.open(person("March", 25, 1984));
        if (viaMenu)
            menuItem(w, "backAction")->trigger();
        else
            QTest::mouseClick(control<QPushButton>(w, "backButton"), Qt::LeftButton);
        processDeletes();
        QVERIFY(!w);
        QVERIFY(!s.app.resultWindow());
        MainWindow* main = s.app.mainWindow();
        QVERIFY(main);
        QCOMPARE(visibleWindows(), QList<QWidget*>{main});
        QVERIFY(s.app.supportScreen());
        QVERIFY(!s.app.supportScreen()->isVisible());
        QCOMPARE(control<QLineEdit>(main, "nameEdit")->text(), QString());
        QVERIFY(!control<QRadioButton>(main, "femaleButton")->isChecked());
        QCOMPARE(control<QComboBox>(main, "monthCombo")->currentText(), QStringLiteral("January"));
        QCOMPARE(control<QComboBox>(main, "dayCombo")->currentText(), QStringLiteral("1"));
        QCOMPARE(control<QComboBox>(main, "yearCombo")->currentText(), QStringLiteral("1930"));
        // The offers in the order of the layout: the start-up's draw is not made again.
        QCOMPARE(widgetOnTopAt(main->fullBrandLabel()), static_cast<QWidget*>(main->fullBrandLabel()));
        QCOMPARE(s.platform.exits, 0);
    }

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
        QPointer<ResultWindow> w = s.open(person("March", 25, 1984));
        if (viaMenu)
            menuItem(w, "exitAction")->trigger();
        else
            QVERIFY(w->close());
        processDeletes();
        QVERIFY(!w);
        QVERIFY(!s.app.mainWindow());
        QVERIFY(s.app.supportScreen());
        QCOMPARE(visibleWindows(), QList<QWidget*>{s.app.supportScreen()});
        QCOMPARE(s.platform.exits, 0);
    }

    // ---- links and menus ----

    void links_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("pageKey");
        QTest::newRow("visitLink") << "visitLink"
                                << "home-page";
        QTest::newRow("forumLink") << "forumLink"
                                 << "home-page";
        QTest::newRow("promo area (coBrandLink shown)") << "offerStack"
                                                        << "co-brand";
        addSharedMenuLinkRows();
    }
    void links()
    {
        QFETCH(QString, source);
        QFETCH(QString, pageKey);
        Session s;
        ResultWindow* w = s.open(person("March", 25, 1984));
        if (source.endsWith(QLatin1String("Action")))
            menuItem(w, qPrintable(source))->trigger();
        else
            clickOnTop(control<QWidget>(w, qPrintable(source)));
        QCOMPARE(s.platform.openedUrls, QStringList{pageAddress(pageKey)});
        QVERIFY(s.platform.messages.isEmpty());
        QCOMPARE(visibleWindows(), QList<QWidget*>{w});
        QCOMPARE(pageInFront(w), QStringLiteral("astrologyPage"));
    }

    void visitLink_namesTheSite()
    {
        Session s;
        ResultWindow* w = s.open(person("March", 25, 1984));
        QCOMPARE(control<LinkLabel>(w, "visitLink")->text(),
                 QStringLiteral("Click Here To Visit ") + WebAddress::siteDisplay() + QStringLiteral(" Now"));
    }
};

QTEST_MAIN(TestResultWindow)
#include "tst_resultwindow.moc"
