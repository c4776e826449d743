// Start-up: the single-instance guard, the reminder before the main window and the
// random promotional label in front.
#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/Startup.h"
#include "testlib/FakePlatform.h"
#include "testlib/GuiTestHelpers.h"
#include "widgets/LinkLabel.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <random>

using namespace GuiTest;

namespace {

const QString Question =
    QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        processDeletes();
        QVERIFY2(visibleWindows().isEmpty(), "a window outlived its test");
    }

    // ---- start-up ----

    void runStartup_freeLock()
    {
        QTemporaryDir dir;
        FakePlatform platform;
        Application app(platform);
        SingleInstance guard(dir.filePath("zarvo.lock"));
        QVERIFY(Startup::run(app, guard));
        QVERIFY(app.mainWindow());
        QCOMPARE(visibleWindows(), QList<QWidget*>{app.mainWindow()});
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(platform.seeds >= 1);
        QCOMPARE(platform.settings.value("Duration"), QStringLiteral("2026-12-07"));
        QCOMPARE(platform.exits, 0);
        QVERIFY(!app.supportScreen());
    }

    void runStartup_heldLock()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath("zarvo.lock");
        SingleInstance first(lock);
        QVERIFY(first.acquire());

        FakePlatform platform;
        Application app(platform);
        SingleInstance second(lock);
        QVERIFY(!Startup::run(app, second));
        QCOMPARE(platform.messageTexts(), QStringList{QStringLiteral("Application is already running")});
        QCOMPARE(platform.messages.first().icon, Platform::Icon::Information);
        QCOMPARE(platform.messages.first().buttons, Platform::Buttons::Ok);
        QCOMPARE(platform.exits, 1);
        QVERIFY(!app.mainWindow());
        processDeletes();
        QVERIFY(visibleWindows().isEmpty());
        QVERIFY(platform.settings.isEmpty());
        QCOMPARE(platform.settingWrites, 0);
        QVERIFY(platform.openedUrls.isEmpty());
    }

    void singleInstance_lockIsReleasedWithItsHolder()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath("zarvo.lock");
        {
            SingleInstance first(lock);
            QVERIFY(first.acquire());
            SingleInstance second(lock);
            QVERIFY(!second.acquire());
        }
        SingleInstance later(lock);
        QVERIFY(later.acquire());
    }

    void runStartup_reminderBeforeMainWindow()
    {
        QTemporaryDir dir;
        FakePlatform platform;
        platform.settings.insert("Duration", QStringLiteral("2026-11-07"));
        platform.answers.enqueue(Platform::Answer::Yes);
        Application app(platform);
        SingleInstance guard(dir.filePath("zarvo.lock"));
        QVERIFY(Startup::run(app, guard));
        QCOMPARE(platform.messageTexts(), QStringList{Question});
        QCOMPARE(platform.openedUrls, QStringList{WebAddress::forPage("download-web-page")});
        QVERIFY(app.mainWindow() && app.mainWindow()->isVisible());
    }

    void runStartup_frontLabel_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<bool>("cobrandInFront");
        QTest::newRow("n=1") << 0.0f << true;
        QTest::newRow("n=2") << 0.25f << false;
        QTest::newRow("n=3") << 0.4f << true;
        QTest::newRow("n=7") << std::nextafter(1.0f, 0.0f) << false;
    }
    void runStartup_frontLabel()
    {
        QFETCH(float, r);
        QFETCH(bool, cobrandInFront);
        QTemporaryDir dir;
        FakePlatform platform;
        platform.randoms.enqueue(r);
        Application app(platform);
        SingleInstance guard(dir.filePath("zarvo.lock"));
        QVERIFY(Startup::run(app, guard));
        MainWindow* main = app.mainWindow();
        QWidget* expected = cobrandInFront ? static_cast<QWidget*>(main->coBrandLabel()) : main->fullBrandLabel();
        QCOMPARE(widgetOnTopAt(main->fullBrandLabel()), expected);
        clickOnTop(main->fullBrandLabel());
        QCOMPARE(platform.openedUrls,
                 QStringList{WebAddress::forPage(cobrandInFront ? "co-brand" : "fully-branded")});
    }

    // ---- the random front label ----

    void coBrandNumber_rounding_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("n");
        QTest::newRow("0") << 0.0f << 1;
        QTest::newRow("0.25: 2.5 to even") << 0.25f << 2;
        QTest::newRow("0.5") << 0.5f << 4;
        QTest::newRow("0.75: 5.5 to even") << 0.75f << 6;
        QTest::newRow("0.1") << 0.1f << 2;
        QTest::newRow("0.9") << 0.9f << 6;
        QTest::newRow("0.95") << 0.95f << 7;
        QTest::newRow("just below 1") << std::nextafter(1.0f, 0.0f) << 7;
        QTest::newRow("0.08: 1.48") << 0.08f << 1;
        QTest::newRow("0.0834: 1.5004") << 0.0834f << 2;
        // Just below a boundary the value lies just below a half and rounds down; only
        // an exact half goes to the even neighbour.
        QTest::newRow("just below 1/12: 1.49999997") << std::nextafter(1.0f / 12.0f, 0.0f) << 1;
        QTest::newRow("just below 5/12: 3.4999998") << std::nextafter(5.0f / 12.0f, 0.0f) << 3;
        QTest::newRow("just below 3/4: 5.4999996") << std::nextafter(0.75f, 0.0f) << 5;
        QTest::newRow("just below 1/4: 2.4999999") << std::nextafter(0.25f, 0.0f) << 2;
    }
    void coBrandNumber_rounding()
    {
        QFETCH(float, r);
        QFETCH(int, n);
        QCOMPARE(Startup::coBrandNumber(r), n);
    }

    void coBrandRandomize_frontLabel_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<bool>("cobrandInFront");
        QTest::addColumn<bool>("startWithCobrandInFront");
        QTest::newRow("n=1 from layout order") << 0.0f << true << false;
        QTest::newRow("n=2 from layout order") << 0.25f << false << false;
        QTest::newRow("n=2 after cobrand was raised") << 0.25f << false << true;
        QTest::newRow("n=5") << 0.6f << true << false;
        QTest::newRow("n=6") << 0.8f << false << true;
        QTest::newRow("n=7 keeps layout order") << std::nextafter(1.0f, 0.0f) << false << false;
        QTest::newRow("n=7 changes nothing") << std::nextafter(1.0f, 0.0f) << true << true;
    }
    void coBrandRandomize_frontLabel()
    {
        QFETCH(float, r);
        QFETCH(bool, cobrandInFront);
        QFETCH(bool, startWithCobrandInFront);
        FakePlatform platform;
        Application app(platform);
        app.showMainWindow();
        MainWindow* main = app.mainWindow();
        if (startWithCobrandInFront)
            main->coBrandLabel()->raise();
        Startup::showRandomPromotion(*main, r);
        QWidget* expected = cobrandInFront ? static_cast<QWidget*>(main->coBrandLabel()) : main->fullBrandLabel();
        QCOMPARE(widgetOnTopAt(main->coBrandLabel()), expected);
    }

    void coBrandNumber_distribution()
    {
        // The draws of the program: uniform single-precision numbers in [0, 1).
        std::mt19937 generator(20240601u);
        const int draws = 240000;
        int counts[8] = {};
        for (int i = 0; i < draws; ++i) {
            float r = std::generate_canonical<float, 24>(generator);
            if (r >= 1.0f)
                r = std::nextafter(1.0f, 0.0f);
            const int n = Startup::coBrandNumber(r);
            QVERIFY2(n >= 1 && n <= 7, qPrintable(QString::number(n)));
            ++counts[n];
        }
        const double expected[8] = {0, 1.0 / 12, 1.0 / 6, 1.0 / 6, 1.0 / 6, 1.0 / 6, 1.0 / 6, 1.0 / 12};
        for (int n = 1; n <= 7; ++n) {
            const double share = double(counts[n]) / draws;
            QVERIFY2(std::abs(share - expected[n]) < 0.004,
                     qPrintable(QStringLiteral("n=%1: %2, expected %3").arg(n).arg(share).arg(expected[n])));
        }
        const double cobrand = double(counts[1] + counts[3] + counts[5]) / draws;
        QVERIFY2(std::abs(cobrand - 5.0 / 12) < 0.006, qPrintable(QString::number(cobrand)));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
