// The about box: its texts, its links and how it closes.
#include "ui/AboutBox.h"
#include "app/Application.h"
#include "site/WebAddress.h"
#include "testlib/FakePlatform.h"
#include "testlib/GuiTestHelpers.h"
#include "widgets/LinkLabel.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace GuiTest;

class TestAboutBox : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        processDeletes();
        QVERIFY2(visibleWindows().isEmpty(), "a window outlived its test");
    }

    // ---- about box ----

    void aboutBox_contents()
    {
        FakePlatform platform;
        Application app(platform);
        AboutBox about(app.platform(), nullptr);
        about.show();
        QVERIFY(about.isModal());
        QCOMPARE(about.findChild<QLabel*>("captionLabel")->text(), QStringLiteral("Zarvo Tibetan Astrology v2.20"));
        QVERIFY(about.findChild<QLabel*>("descriptionLabel")->text().startsWith(
            QLatin1String("Zarvo Tibetan Astrology is an advanced yet easy-to-use software which determines your "
                          "Tibetan zodiac sign from your date of birth.")));
        QVERIFY(about.findChild<QLabel*>("businessLabel")->text().startsWith(QLatin1String("Home Business Opportunity.")));
        QVERIFY(about.findChild<LinkLabel*>("homePageLink")->text().contains(WebAddress::siteDisplay()));
    }

    void aboutBox_links_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("byKeyboard");  // Space on the focused link instead of a click
        QTest::addColumn<QString>("pageKey");
        for (bool byKeyboard : {false, true}) {
            const char* how = byKeyboard ? "Space" : "click";
            QTest::addRow("homePageLink, %s", how) << "homePageLink" << byKeyboard << "home-page";
            QTest::addRow("fullBrandOfferLink, %s", how) << "fullBrandOfferLink" << byKeyboard << "fully-branded";
        }
    }
    void aboutBox_links()
    {
        QFETCH(QString, label);
        QFETCH(bool, byKeyboard);
        QFETCH(QString, pageKey);
        FakePlatform platform;
        Application app(platform);
        AboutBox about(app.platform(), nullptr);
        about.show();
        QApplication::setActiveWindow(&about);
        auto* link = about.findChild<QWidget*>(label);
        if (byKeyboard) {
            link->setFocus(Qt::TabFocusReason);
            QCOMPARE(QApplication::focusWidget(), link);
            QTest::keyClick(link, Qt::Key_Space);
        } else {
            clickOnTop(link);
        }
        QCOMPARE(platform.openedUrls, QStringList{pageAddress(pageKey)});
        QVERIFY(about.isVisible());  // the box stays open
    }

    void aboutBox_closing_data()
    {
        QTest::addColumn<int>("key");  // 0: click OK
        QTest::addColumn<int>("tabs");  // Tab presses before the key
        QTest::addColumn<QString>("focused");  // where they leave the focus
        QTest::newRow("OK") << 0 << 0 << "okButton";
        const char* const focused[] = {"okButton", "homePageLink", "fullBrandOfferLink"};
        for (int tabs = 0; tabs < 3; ++tabs) {
            QTest::addRow("Enter on %s", focused[tabs]) << int(Qt::Key_Return) << tabs << focused[tabs];
            QTest::addRow("Esc on %s", focused[tabs]) << int(Qt::Key_Escape) << tabs << focused[tabs];
        }
    }
    void aboutBox_closing()
    {
        QFETCH(int, key);
        QFETCH(int, tabs);
        QFETCH(QString, focused);
        FakePlatform platform;
        Application app(platform);
        AboutBox about(app.platform(), nullptr);
        about.show();
        QApplication::setActiveWindow(&about);
        // Keys go where a person's keys go: to the control with the focus.
        for (int i = 0; i < tabs; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
        if (key == 0)
            QTest::mouseClick(about.findChild<QPushButton*>("okButton"), Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(!about.isVisible());
        QVERIFY(platform.openedUrls.isEmpty());
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
