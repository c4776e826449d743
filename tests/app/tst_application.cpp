// The application: the web addresses it opens and quitting from every window.
#include "app/Application.h"
#include "ui/MainWindow.h"
#include "site/WebAddress.h"
#include "ui/WindowParts.h"
#include "ui/SupportScreen.h"
#include "testlib/FakePlatform.h"
#include "testlib/GuiTestHelpers.h"
#include "ui/ResultWindow.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace GuiTest;

namespace {

const QString ScriptPath = QStringLiteral("/zarvo-free-tibetan-astrology/ssd.php");

// Counts how often a widget is shown.
class ShowCounter : public QObject
{
public:
    int shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

} // namespace

class TestApplication : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        processDeletes();
        QVERIFY2(visibleWindows().isEmpty(), "a window outlived its test");
    }

    // ---- web addresses ----

    void openWebPage_address_data()
    {
        QTest::addColumn<WebPage>("page");
        QTest::addColumn<QString>("key");
        QTest::newRow("Home") << WebPage::Home << "home-page";
        QTest::newRow("Help") << WebPage::Help << "help-web-page";
        QTest::newRow("Download") << WebPage::Download << "download-web-page";
        QTest::newRow("Donate") << WebPage::Donate << "donate";
        QTest::newRow("CoBrand") << WebPage::CoBrand << "co-brand";
        QTest::newRow("FullyBranded") << WebPage::FullyBranded << "fully-branded";
        QTest::newRow("Catalogue") << WebPage::Catalogue << "ovanthesoftwares";
    }
    void openWebPage_address()
    {
        QFETCH(WebPage, page);
        QFETCH(QString, key);
        FakePlatform platform;
        WindowParts::openPage(platform, page);
        const QString site = WebAddress::siteUrl();
        QCOMPARE(platform.openedUrls, QStringList{site + ScriptPath + QStringLiteral("?page=") + key});
        // The site is scheme and host only, so the path follows it directly; the windows
        // name it without its scheme.
        QVERIFY2(QRegularExpression(QStringLiteral("^https?://[A-Za-z0-9.-]+$")).match(site).hasMatch(), qPrintable(site));
        QVERIFY(site.endsWith(u'/' + WebAddress::siteDisplay()));
    }

    // ---- quitting ----

    void quitApplication_closesEverything()
    {
        FakePlatform platform;
        Application app(platform);
        app.showMainWindow();
        app.showResultWindow(GuiTest::person(QStringLiteral("Anna"), QStringLiteral("Female"), 25, QStringLiteral("March"), 1984));
        app.hideSupportScreen();
        QPointer<MainWindow> main = app.mainWindow();
        QPointer<ResultWindow> result = app.resultWindow();
        QPointer<SupportScreen> support = app.supportScreen();
        QVERIFY(main && result && support);
        QVERIFY(main->isVisible() && result->isVisible() && !support->isVisible());
        ShowCounter shown;
        support->installEventFilter(&shown);

        app.quitApplication();
        QCOMPARE(platform.exits, 1);
        QCOMPARE(shown.shows, 0);
        QVERIFY(visibleWindows().isEmpty());
        processDeletes();
        QVERIFY(!main);
        QVERIFY(!result);
        QVERIFY(!support);
        QVERIFY(visibleWindows().isEmpty());

        // Nothing brings a window back, and the process is ended only once.
        app.quitApplication();
        app.showMainWindow();
        app.showSupportScreen();
        QCOMPARE(platform.exits, 1);
        QVERIFY(visibleWindows().isEmpty());
    }
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
