// The support screen: its paragraph, placeholders and focus rules, the refer-a-friend
// form and its address, its links, and the way out of the program.
#include "app/Application.h"
#include "ui/MainWindow.h"
#include "data/PromoTexts.h"
#include "site/WebAddress.h"
#include "ui/SupportScreen.h"
#include "testlib/AppSession.h"
#include "testlib/GuiTestHelpers.h"
#include "ui/ResultWindow.h"
#include "widgets/LinkLabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QUrl>
#include <QUrlQuery>

using namespace GuiTest;

namespace {

void focusIn(QWidget* box)
{
    QFocusEvent event(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(box, &event);
}

void focusOut(QWidget* box)
{
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &event);
}

const char* const Boxes[] = {"nameEdit", "emailEdit", "friendNameEdit", "friendEmailEdit"};

struct Session : AppSession
{
    SupportScreen* show(float r = 0.0f)
    {
        platform.randoms.enqueue(r);
        app.showSupportScreen();
        return app.supportScreen();
    }
    void fill(const QString& name, const QString& email, const QString& friendName, const QString& friendEmail)
    {
        SupportScreen* s = app.supportScreen();
        control<QLineEdit>(s, "nameEdit")->setText(name);
        control<QLineEdit>(s, "emailEdit")->setText(email);
        control<QLineEdit>(s, "friendNameEdit")->setText(friendName);
        control<QLineEdit>(s, "friendEmailEdit")->setText(friendEmail);
    }
    void submit() { QTest::mouseClick(control<QPushButton>(app.supportScreen(), "referButton"), Qt::LeftButton); }
};

} // namespace

class TestSupportScreen : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        processDeletes();
        QVERIFY2(visibleWindows().isEmpty(), "a window outlived its test");
    }

    // ---- the paragraph ----

    void paragraphFor_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("paragraph");
        QTest::newRow("0") << 0.0f << 0;
        QTest::newRow("0.2499") << 0.2499f << 0;
        QTest::newRow("0.25") << 0.25f << 1;
        QTest::newRow("0.5") << 0.5f << 2;
        QTest::newRow("0.75") << 0.75f << 3;
        QTest::newRow("0.9999") << 0.9999f << 3;
    }
    void paragraphFor()
    {
        QFETCH(float, r);
        QFETCH(int, paragraph);
        QCOMPARE(SupportScreen::paragraphFor(r), paragraph);

        Session s;
        SupportScreen* screen = s.show(r);
        const QString name = QStringLiteral("nag-%1").arg(paragraph);
        QCOMPARE(control<QLabel>(screen, "paragraphLabel")->text(), PromoTexts::text(qPrintable(name)));
        QVERIFY(s.platform.seeds >= 1);
    }

    void screen_livesForTheWholeRun()
    {
        Session s;
        s.platform.randoms.enqueue(0.3f);  // paragraph 1
        s.platform.randoms.enqueue(0.9f);  // would be paragraph 3
        s.app.showMainWindow();
        // Moving to the result window creates the screen hidden.
        control<QAbstractButton>(s.app.mainWindow(), "femaleButton")->click();
        control<QLineEdit>(s.app.mainWindow(), "nameEdit")->setText(QStringLiteral("Anna"));
        s.app.mainWindow()->calculate();
        processDeletes();
        QPointer<SupportScreen> screen = s.app.supportScreen();
        QVERIFY(screen);
        QVERIFY(!screen->isVisible());
        control<QLineEdit>(screen, "friendNameEdit")->setText(QStringLiteral("Typed earlier"));
        // Back to the main window, then the user closes it.
        control<QPushButton>(s.app.resultWindow(), "backButton")->click();
        processDeletes();
        QVERIFY(!screen->isVisible());
        s.app.mainWindow()->close();
        processDeletes();
        QCOMPARE(s.app.supportScreen(), screen.data());
        QVERIFY(screen->isVisible());
        QCOMPARE(visibleWindows(), QList<QWidget*>{screen.data()});
        QCOMPARE(control<QLabel>(screen, "paragraphLabel")->text(), PromoTexts::text("nag-1"));
        QCOMPARE(control<QLineEdit>(screen, "friendNameEdit")->text(), QStringLiteral("Typed earlier"));
        QCOMPARE(s.platform.randoms.size(), 1);
        s.app.quitApplication();
    }

    void window_lookAndStartTexts()
    {
        Session s;
        SupportScreen* screen = s.show();
        QVERIFY(screen->windowFlags() & Qt::WindowStaysOnTopHint);
        // The boxes' start texts are their placeholders: focus_placeholders.
        QCOMPARE(control<QLabel>(screen, "captionLabel")->text(), QStringLiteral("Zarvo Tibetan Astrology v2.20"));
        QVERIFY(!control<QCheckBox>(screen, "visitCheckBox")->isChecked());
        QCOMPARE(control<QCheckBox>(screen, "visitCheckBox")->text(),
                 QStringLiteral("Click Here To Visit ") + WebAddress::forumDisplay() + QStringLiteral(" Now"));
        QVERIFY(control<QLabel>(screen, "catalogueLabel")->text().startsWith(QLatin1String("If you have enjoyed this software")));
        // The message box is never seen.
        QVERIFY(control<QTextEdit>(screen, "messageText")->visibleRegion().isEmpty());
        s.app.quitApplication();
    }

    // ---- placeholders and focus ----

    void focus_placeholders_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("placeholder");
        QTest::newRow("nameEdit") << "nameEdit"
                                 << "Your Name";
        QTest::newRow("emailEdit") << "emailEdit"
                                  << "Your Email Address";
        QTest::newRow("friendNameEdit") << "friendNameEdit"
                                       << "Friend's Name";
        QTest::newRow("friendEmailEdit") << "friendEmailEdit"
                                        << "Friend's Email Address";
    }
    void focus_placeholders()
    {
        QFETCH(QString, box);
        QFETCH(QString, placeholder);
        Session s;
        auto* edit = control<QLineEdit>(s.show(), qPrintable(box));

        // Exactly the placeholder (blanks around it do not count) is emptied on entry ...
        focusIn(edit);
        QCOMPARE(edit->text(), QString());
        // ... and a box left blank gets it back.
        edit->setText(QStringLiteral("   "));
        focusOut(edit);
        QCOMPARE(edit->text(), placeholder);
        edit->setText(QStringLiteral("  ") + placeholder + QStringLiteral(" "));
        focusIn(edit);
        QCOMPARE(edit->text(), QString());
        focusOut(edit);
        QCOMPARE(edit->text(), placeholder);

        // Anything else stays.
        for (const QString& other : {placeholder.toLower(), placeholder + u'!', QStringLiteral("x")}) {
            edit->setText(other);
            focusIn(edit);
            QCOMPARE(edit->text(), other);
            focusOut(edit);
            QCOMPARE(edit->text(), other);
        }
        s.app.quitApplication();
    }

    void focus_realFocusChanges()
    {
        Session s;
        SupportScreen* screen = s.show();
        QApplication::setActiveWindow(screen);
        if (!screen->isActiveWindow())
            QSKIP("this platform cannot activate the window");
        auto* name = control<QLineEdit>(screen, "nameEdit");
        auto* email = control<QLineEdit>(screen, "emailEdit");
        name->setFocus(Qt::TabFocusReason);
        QCOMPARE(name->text(), QString());
        email->setFocus(Qt::TabFocusReason);
        QCOMPARE(name->text(), QStringLiteral("Your Name"));
        QCOMPARE(email->text(), QString());

        // The unseen message box is reached through the tab order and takes typing.
        auto* friendEmail = control<QLineEdit>(screen, "friendEmailEdit");
        auto* message = control<QTextEdit>(screen, "messageText");
        friendEmail->setFocus(Qt::TabFocusReason);
        QTest::keyClick(friendEmail, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(message));
        QCOMPARE(message->toPlainText(), QStringLiteral("Your Message\n"));
        QTest::keyClicks(message, QStringLiteral("Hello"));
        QTest::keyClick(message, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(screen, "referButton"));
        QVERIFY(message->toPlainText().contains(QLatin1String("Hello")));
        s.fill("Tom", "tom@example.com", "Ann", "ann@example.org");
        s.submit();
        QCOMPARE(s.platform.openedUrls.size(), 1);
        QVERIFY(QUrlQuery(QUrl(s.platform.openedUrls.first()))
                    .queryItemValue("taf3", QUrl::FullyDecoded)
                    .contains(QLatin1String("Hello")));
        s.app.quitApplication();
    }

    void focus_hiddenMessageBox()
    {
        Session s;
        SupportScreen* screen = s.show();
        auto* message = control<QTextEdit>(screen, "messageText");
        focusIn(message);
        QCOMPARE(message->toPlainText(), QStringLiteral("Your Message\n"));  // not exactly the placeholder
        focusOut(message);
        QCOMPARE(message->toPlainText(), QStringLiteral("Your Message\n"));

        // Emptied through the keyboard and left: the placeholder, without a line break.
        focusIn(message);
        message->selectAll();
        QTest::keyClick(message, Qt::Key_Delete);
        QCOMPARE(message->toPlainText(), QString());
        focusOut(message);
        QCOMPARE(message->toPlainText(), QStringLiteral("Your Message"));
        s.fill("Tom", "tom@example.com", "Ann", "ann@example.org");
        s.submit();
        QCOMPARE(s.platform.messageTexts(), QStringList{QStringLiteral("Please Enter Your Message")});
        QCOMPARE(s.platform.messages.first().icon, Platform::Icon::Critical);
        QVERIFY(s.platform.openedUrls.isEmpty());

        // Entering it again now empties it; typed text is sent.
        focusIn(message);
        QCOMPARE(message->toPlainText(), QString());
        QTest::keyClicks(message, QStringLiteral("Hi there"));
        focusOut(message);
        s.submit();
        QCOMPARE(s.platform.openedUrls.size(), 1);
        QCOMPARE(QUrlQuery(QUrl(s.platform.openedUrls.first())).queryItemValue("taf3", QUrl::FullyDecoded),
                 QStringLiteral("Hi there"));
        s.app.quitApplication();
    }

    // ---- typing in the e-mail boxes ----

    void emailBoxes_refuseTypedSpace_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("emailEdit") << "emailEdit";
        QTest::newRow("friendEmailEdit") << "friendEmailEdit";
    }
    void emailBoxes_refuseTypedSpace()
    {
        QFETCH(QString, box);
        Session s;
        auto* edit = control<QLineEdit>(s.show(), qPrintable(box));
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("a b"));
        QCOMPARE(edit->text(), QStringLiteral("ab"));
        QCOMPARE(s.platform.messageTexts(), QStringList{QStringLiteral("Email Address Cannot Contain Space")});
        QCOMPARE(s.platform.messages.first().icon, Platform::Icon::Critical);
        QCOMPARE(s.platform.messages.first().buttons, Platform::Buttons::Ok);
        QTest::keyClick(edit, Qt::Key_Space);
        QCOMPARE(edit->text(), QStringLiteral("ab"));
        QCOMPARE(s.platform.messages.size(), 2);
        // Other characters are not checked.
        QTest::keyClicks(edit, QStringLiteral("!#,"));
        QCOMPARE(edit->text(), QStringLiteral("ab!#,"));
        QCOMPARE(s.platform.messages.size(), 2);
        s.app.quitApplication();
    }

    void nameBoxes_acceptTypedSpace()
    {
        Session s;
        SupportScreen* screen = s.show();
        for (const char* name : {"nameEdit", "friendNameEdit"}) {
            auto* edit = control<QLineEdit>(screen, name);
            edit->clear();
            QTest::keyClicks(edit, QStringLiteral("Tom Smith"));
            QCOMPARE(edit->text(), QStringLiteral("Tom Smith"));
        }
        QVERIFY(s.platform.messages.isEmpty());
        s.app.quitApplication();
    }

    // ---- submitting ----

    void submit_checks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("friendName");
        QTest::addColumn<QString>("friendEmail");
        QTest::addColumn<QString>("message");  // empty: sent
        const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
        const QString proper = QStringLiteral("Please Enter Proper Email Address");
        const QString name = QStringLiteral("Please Enter Your Name");
        const QString friendName = QStringLiteral("Please Enter Your Friend's Name");
        QTest::newRow("all placeholders") << "Your Name"
                                          << "Your Email Address"
                                          << "Friend's Name"
                                          << "Friend's Email Address" << proper;
        QTest::newRow("same addresses before anything else") << "Your Name"
                                                             << "a@b.c"
                                                             << "Friend's Name"
                                                             << "a@b.c" << distinct;
        QTest::newRow("same after trimming") << "Tom"
                                             << "  a@b.c"
                                             << "Ann"
                                             << "a@b.c  " << distinct;
        QTest::newRow("both empty") << "Tom"
                                    << ""
                                    << "Ann"
                                    << "" << distinct;
        QTest::newRow("case differs: distinct") << "Tom"
                                                << "A@b.c"
                                                << "Ann"
                                                << "a@b.c" << QString();
        QTest::newRow("sender without @") << "Tom"
                                          << "tom.example.com"
                                          << "Ann"
                                          << "ann@example.org" << proper;
        QTest::newRow("friend without @") << "Tom"
                                          << "tom@example.com"
                                          << "Ann"
                                          << "ann.example.org" << proper;
        QTest::newRow("sender without dot") << "Tom"
                                            << "tom@example"
                                            << "Ann"
                                            << "ann@example.org" << proper;
        QTest::newRow("friend without dot") << "Tom"
                                            << "tom@example.com"
                                            << "Ann"
                                            << "ann@example" << proper;
        QTest::newRow("address checks before the name") << "Your Name"
                                                         << "tom@example"
                                                         << "Friend's Name"
                                                         << "ann@example.org" << proper;
        QTest::newRow("'@.' alone passes") << "Tom"
                                           << "@."
                                           << "Ann"
                                           << "x@y.z" << QString();
        QTest::newRow("dot only before @ passes") << "Tom"
                                                  << "tom.smith@example"
                                                  << "Ann"
                                                  << "ann@example.org" << QString();
        QTest::newRow("name placeholder") << "Your Name"
                                          << "tom@example.com"
                                          << "Ann"
                                          << "ann@example.org" << name;
        QTest::newRow("name placeholder with blanks") << "  Your Name  "
                                                      << "tom@example.com"
                                                      << "Ann"
                                                      << "ann@example.org" << name;
        QTest::newRow("name blank") << "   "
                                    << "tom@example.com"
                                    << "Ann"
                                    << "ann@example.org" << name;
        QTest::newRow("name before friend's name") << "Your Name"
                                                   << "tom@example.com"
                                                   << "Friend's Name"
                                                   << "ann@example.org" << name;
        QTest::newRow("friend's name placeholder") << "Tom"
                                                   << "tom@example.com"
                                                   << "Friend's Name"
                                                   << "ann@example.org" << friendName;
        QTest::newRow("friend's name empty") << "Tom"
                                             << "tom@example.com"
                                             << ""
                                             << "ann@example.org" << friendName;
        QTest::newRow("other case of placeholder is a name") << "your name"
                                                             << "tom@example.com"
                                                             << "friend's name"
                                                             << "ann@example.org" << QString();
    }
    void submit_checks()
    {
        QFETCH(QString, name);
        QFETCH(QString, email);
        QFETCH(QString, friendName);
        QFETCH(QString, friendEmail);
        QFETCH(QString, message);
        Session s;
        SupportScreen* screen = s.show();
        s.fill(name, email, friendName, friendEmail);
        s.submit();
        // The trimmed entries are kept whatever the outcome.
        const TellAFriend::Request stored = screen->storedRequest();
        QCOMPARE(stored.senderName, name.trimmed());
        QCOMPARE(stored.senderEmail, email.trimmed());
        QCOMPARE(stored.friendName, friendName.trimmed());
        QCOMPARE(stored.friendEmail, friendEmail.trimmed());
        QCOMPARE(stored.message, QStringLiteral("Your Message\r\n"));
        if (message.isEmpty()) {
            QVERIFY2(s.platform.messages.isEmpty(), qPrintable(s.platform.messageTexts().join(u'|')));
            QCOMPARE(s.platform.openedUrls.size(), 1);
        } else {
            QCOMPARE(s.platform.messageTexts(), QStringList{message});
            QCOMPARE(s.platform.messages.first().icon, Platform::Icon::Critical);
            QCOMPARE(s.platform.messages.first().buttons, Platform::Buttons::Ok);
            QVERIFY(s.platform.openedUrls.isEmpty());
        }
        // The screen stays as it is.
        QVERIFY(screen->isVisible());
        QCOMPARE(control<QLineEdit>(screen, "nameEdit")->text(), name);
        QCOMPARE(control<QLineEdit>(screen, "friendEmailEdit")->text(), friendEmail);
        QCOMPARE(s.platform.exits, 0);
        s.app.quitApplication();
    }

    void submit_translatedPlaceholdersCountAsMissing()
    {
        BracketingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        Session s;
        SupportScreen* screen = s.show();
        QCOMPARE(control<QLineEdit>(screen, "nameEdit")->text(), QStringLiteral("[Your Name]"));
        control<QLineEdit>(screen, "emailEdit")->setText(QStringLiteral("tom@example.com"));
        control<QLineEdit>(screen, "friendEmailEdit")->setText(QStringLiteral("ann@example.org"));
        s.submit();
        control<QLineEdit>(screen, "nameEdit")->setText(QStringLiteral("Your Name"));  // a name in this language
        s.submit();
        QCOMPARE(s.platform.messageTexts(),
                 (QStringList{QStringLiteral("[Please Enter Your Name]"), QStringLiteral("[Please Enter Your Friend's Name]")}));
        QVERIFY(s.platform.openedUrls.isEmpty());
        s.app.quitApplication();
    }

    void submit_referralAddress_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("friendName");
        QTest::addColumn<QString>("encodedName");
        QTest::addColumn<QString>("encodedFriendName");
        QTest::newRow("ampersand and blanks") << "Tom & Jerry"
                                              << "Ann Lee"
                                              << "Tom%20%26%20Jerry"
                                              << "Ann%20Lee";
        QTest::newRow("equals, hash, question mark, plus") << "a=b#c"
                                                           << "x?y+z"
                                                           << "a%3Db%23c"
                                                           << "x%3Fy%2Bz";
        QTest::newRow("outer blanks trimmed") << "  Tom  "
                                              << " Ann "
                                              << "Tom"
                                              << "Ann";
        QTest::newRow("non-ASCII") << QString::fromUtf16(u"Jos\u00e9")
                                   << QString::fromUtf16(u"\u738b")
                                   << "Jos%C3%A9"
                                   << "%E7%8E%8B";
    }
    void submit_referralAddress()
    {
        QFETCH(QString, name);
        QFETCH(QString, friendName);
        QFETCH(QString, encodedName);
        QFETCH(QString, encodedFriendName);
        Session s;
        s.show();
        s.fill(name, "tom@example.com", friendName, "ann@example.org");
        s.submit();
        QVERIFY2(s.platform.messages.isEmpty(), qPrintable(s.platform.messageTexts().join(u'|')));
        const QString site = WebAddress::siteUrl();
        const QString expected = site + QStringLiteral("/zarvo-free-tibetan-astrology/ssd.php?page=zarvoov-refer-a-friend")
                                 + QStringLiteral("&taf1=") + encodedName
                                 + QStringLiteral("&taf2=tom@example.com")
                                 + QStringLiteral("&taf3=Your%20Message%0D%0A")
                                 + QStringLiteral("&taf4=") + encodedFriendName
                                 + QStringLiteral("&taf5=ann@example.org")
                                 + QStringLiteral("&taf6=") + site + QStringLiteral("/zarvo-free-tibetan-astrology/");
        QCOMPARE(s.platform.openedUrls, QStringList{expected});

        // The form stays filled and can be sent again.
        s.submit();
        QCOMPARE(s.platform.openedUrls, (QStringList{expected, expected}));
        s.app.quitApplication();
    }

    void submit_hugeEntriesAndNoBrowser_areSaid()
    {
        // Boxes filled to QLineEdit's own limit would build an address over the
        // system's limit for one argument; the form keeps to what the page takes.
        Session s;
        s.show();
        const QString huge(32767, u'x');
        s.fill(huge, "tom@example.com", huge, "ann@example.org");
        s.submit();
        QCOMPARE(s.platform.openedUrls.size(), 1);
        QVERIFY2(s.platform.openedUrls.first().size() < 4000, qPrintable(QString::number(s.platform.openedUrls.first().size())));
        // An over-long message is sent back for shortening.
        control<QTextEdit>(s.app.supportScreen(), "messageText")->setPlainText(huge);
        s.submit();
        QCOMPARE(s.platform.messageTexts(), QStringList{"Please Shorten Your Message To 1000 Characters"});
        // And a browser that cannot be started is said, with the address's start.
        control<QTextEdit>(s.app.supportScreen(), "messageText")->setPlainText("Hello");
        s.platform.browserStarts = false;
        s.submit();
        QCOMPARE(s.platform.messages.size(), 2);
        QVERIFY2(s.platform.messageTexts().last().contains("No web browser could be started"),
                 qPrintable(s.platform.messageTexts().last()));
        s.app.quitApplication();
    }

    // ---- links ----

    void check1_opensHomePageAndStaysUnticked()
    {
        Session s;
        SupportScreen* screen = s.show();
        auto* check = control<QCheckBox>(screen, "visitCheckBox");
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(!check->isChecked());
        QCOMPARE(s.platform.openedUrls, QStringList{pageAddress("home-page")});
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(!check->isChecked());
        QCOMPARE(s.platform.openedUrls.size(), 2);
        check->setChecked(true);  // from the keyboard
        QVERIFY(!check->isChecked());
        QCOMPARE(s.platform.openedUrls.size(), 3);
        QVERIFY(s.platform.messages.isEmpty());
        s.app.quitApplication();
    }

    void goToHome_opensCatalogue()
    {
        Session s;
        SupportScreen* screen = s.show();
        clickOnTop(control<LinkLabel>(screen, "homePageLink"));
        QCOMPARE(s.platform.openedUrls, QStringList{pageAddress("ovanthesoftwares")});
        QVERIFY(screen->isVisible());
        s.app.quitApplication();
    }

    // ---- the way out ----

    void ending_quitsApplication_data()
    {
        QTest::addColumn<bool>("viaButton");
        QTest::newRow("E&xit") << true;
        QTest::newRow("close box") << false;
    }
    void ending_quitsApplication()
    {
        QFETCH(bool, viaButton);
        Session s;
        s.app.showMainWindow();
        s.app.showResultWindow(GuiTest::person(QStringLiteral("Anna"), QStringLiteral("Female"), 25, QStringLiteral("March"), 1984));
        QPointer<SupportScreen> screen = s.show();
        QPointer<MainWindow> main = s.app.mainWindow();
        QPointer<ResultWindow> result = s.app.resultWindow();
        if (viaButton)
            QTest::mouseClick(control<QPushButton>(screen, "exitButton"), Qt::LeftButton);
        else
            QVERIFY(screen->close());
        QCOMPARE(s.platform.exits, 1);
        QVERIFY(visibleWindows().isEmpty());
        processDeletes();
        QVERIFY(!screen);
        QVERIFY(!main);
        QVERIFY(!result);
        QCOMPARE(s.platform.exits, 1);
    }
};

QTEST_MAIN(TestSupportScreen)
#include "tst_supportscreen.moc"
