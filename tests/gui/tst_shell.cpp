// The application shell: web addresses, quitting, start-up with the single-instance
// guard, the random front label, the update reminder and the settings store.
#include "AboutBox.h"
#include "CommandLine.h"
#include "Application.h"
#include "FakePlatform.h"
#include "GuiTestHelpers.h"
#include "LinkLabel.h"
#include "MainWindow.h"
#include "NagScreen.h"
#include "QtPlatform.h"
#include "ResultWindow.h"
#include "Scramble.h"
#include "SingleInstance.h"
#include "Startup.h"
#include "UpdateReminder.h"
#include "WebAddress.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTextDocument>
#include <QPointer>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QMutex>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cmath>
#include <random>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace GuiTest;

namespace {

const QString ScriptPath = QStringLiteral("/zarvo-free-tibetan-astrology/ssd.php");
const QString Question =
    QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");

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

// A reading file as the program writes it: five lines, each character's code plus 60,
// each ended by CR LF.
QString writeReading(const QString& path, const QStringList& plainLines)
{
    QByteArray bytes;
    for (const QString& line : plainLines) {
        for (const char c : line.toLatin1())
            bytes += char(c + 60);
        bytes += "\r\n";
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// The windows on screen by object name, sorted.
QStringList visibleWindowNames()
{
    QStringList names;
    for (QWidget* window : GuiTest::visibleWindows())
        names << window->objectName();
    names.sort();
    return names;
}

// A copy of the program that already runs, on a thread of its own: it holds the lock
// and takes what later starts hand over.
class RunningCopy : public QThread
{
public:
    explicit RunningCopy(const QString& lockPath) : m_lockPath(lockPath) {}
    ~RunningCopy() override
    {
        quit();
        wait();
    }
    void startListening()
    {
        start();
        m_ready.acquire();
    }
    QStringList received()
    {
        const QMutexLocker locker(&m_mutex);
        return m_received;
    }
    bool listening = false;

protected:
    void run() override
    {
        SingleInstance guard(m_lockPath);
        listening = guard.acquire() && guard.listen([this](const QString& path) {
            const QMutexLocker locker(&m_mutex);
            m_received << path;
        });
        m_ready.release();
        exec();
    }

private:
    QString m_lockPath;
    QSemaphore m_ready;
    QMutex m_mutex;
    QStringList m_received;
};

QByteArray fileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(Platform::Answer)

class TestShell : public QObject
{
    Q_OBJECT
private slots:
    // The print module is looked for beside the program; the test programs have none.
    void printDocument_withoutPrintModule_printsNothing()
    {
        QtPlatform platform;
        QTextDocument document(QStringLiteral("report"));
        QTest::ignoreMessage(QtWarningMsg, "printing is not available: libzarvo-print.so was not found");
        QVERIFY(!platform.printDocument(document));
        QVERIFY(!platform.printDocument(document));  // asked once per run
    }

    void cleanup()
    {
        processDeletes();
        QVERIFY2(visibleWindows().isEmpty(), "a window outlived its test");
    }

    // ---- web addresses ----

    void openWebPage_address_data()
    {
        QTest::addColumn<QString>("key");
        for (const char* key : {"home-page", "help-web-page", "download-web-page", "donate", "co-brand",
                                "fully-branded", "ovanthesoftwares"})
            QTest::newRow(key) << QString::fromLatin1(key);
    }
    void openWebPage_address()
    {
        QFETCH(QString, key);
        FakePlatform platform;
        Application app(platform);
        app.openWebPage(key);
        const QString site = WebAddress::siteUrl();
        QCOMPARE(platform.openedUrls, QStringList{site + ScriptPath + QStringLiteral("?page=") + key});
        QVERIFY(platform.messages.isEmpty());
        // The site is scheme and host only, so the path follows it directly.
        QVERIFY2(QRegularExpression(QStringLiteral("^https?://[A-Za-z0-9.-]+$")).match(site).hasMatch(), qPrintable(site));
        QVERIFY(!WebAddress::siteDisplay().contains(QLatin1String("://")));
        QVERIFY(site.endsWith(WebAddress::siteDisplay()));
    }

    // ---- quitting ----

    void quitApplication_closesEverything()
    {
        FakePlatform platform;
        Application app(platform);
        app.showMainWindow();
        app.showResultWindow();
        app.hideSupportScreen();
        QPointer<MainWindow> main = app.mainWindow();
        QPointer<ResultWindow> result = app.resultWindow();
        QPointer<NagScreen> support = app.supportScreen();
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

    void quitApplication_fromSupportScreen_data()
    {
        QTest::addColumn<bool>("viaButton");
        QTest::newRow("E&xit") << true;
        QTest::newRow("close box") << false;
    }
    void quitApplication_fromSupportScreen()
    {
        QFETCH(bool, viaButton);
        FakePlatform platform;
        Application app(platform);
        app.showMainWindow();
        app.mainWindow()->close();
        processDeletes();
        QPointer<NagScreen> support = app.supportScreen();
        QVERIFY(support && support->isVisible());
        if (viaButton)
            support->cmdClose_Click();
        else
            support->close();
        QCOMPARE(platform.exits, 1);
        processDeletes();
        QVERIFY(!support);
        QVERIFY(visibleWindows().isEmpty());
    }

    // ---- start-up ----

    void runStartup_freeLock()
    {
        QTemporaryDir dir;
        FakePlatform platform;
        Application app(platform);
        SingleInstance guard(dir.filePath("zarvo.lock"));
        QVERIFY(Startup::RunStartup(app, guard));
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
        QVERIFY(!Startup::RunStartup(app, second));
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

    void runStartup_readingFile()
    {
        QTemporaryDir dir;
        const QString anna = writeReading(dir.filePath("anna.tib"), {"Anna", "Female", "7", "March", "1984"});
        FakePlatform platform;
        Application app(platform);
        SingleInstance guard(dir.filePath("zarvo.lock"));
        QVERIFY(Startup::RunStartup(app, guard, anna));
        QTRY_VERIFY(app.resultWindow() && app.resultWindow()->isVisible());
        processDeletes();
        QCOMPARE(visibleWindowNames(), QStringList{"frmTibetanResult"});
        QCOMPARE(app.birthData().name, QStringLiteral("Anna"));
        QCOMPARE(app.birthData().day, 7);
        QCOMPARE(app.birthData().year, 1984);
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(!app.supportScreen() || !app.supportScreen()->isVisible());
    }

    void runStartup_handsReadingFileToRunningCopy()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath("zarvo.lock");
        RunningCopy first(lock);
        first.startListening();
        QVERIFY(first.listening);

        // Neither spaces nor letters beyond ASCII get lost on the way.
        const QString path = dir.filePath(QStringLiteral("Jos\u00e9 M\u00fcller.tib"));
        FakePlatform platform;
        Application app(platform);
        SingleInstance second(lock);
        QVERIFY(!Startup::RunStartup(app, second, path));
        QCOMPARE(first.received(), QStringList{path});
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(platform.exits, 0);
        QVERIFY(!app.mainWindow());
        QVERIFY(platform.settings.isEmpty());
    }

    void runStartup_withoutFileWhileRunning_data()
    {
        QTest::addColumn<bool>("listening");
        QTest::newRow("the running copy listens") << true;
        QTest::newRow("the running copy takes no files") << false;
    }

    void runStartup_withoutFileWhileRunning()
    {
        QFETCH(bool, listening);
        QTemporaryDir dir;
        const QString lock = dir.filePath("zarvo.lock");
        RunningCopy first(lock);
        SingleInstance plainHolder(lock);
        if (listening) {
            first.startListening();
            QVERIFY(first.listening);
        } else {
            QVERIFY(plainHolder.acquire());
        }
        // Without a file nothing is handed over; with a file that nobody takes, the
        // start ends as before.
        for (const QString& path : {QString(), dir.filePath("anna.tib")}) {
            if (listening && !path.isEmpty())
                continue;
            FakePlatform platform;
            Application app(platform);
            SingleInstance second(lock);
            QVERIFY(!Startup::RunStartup(app, second, path));
            QCOMPARE(platform.messageTexts(), QStringList{QStringLiteral("Application is already running")});
            QCOMPARE(platform.exits, 1);
        }
        if (listening)
            QCOMPARE(first.received(), QStringList());
    }

    void singleInstance_refusesFolderOthersMayEnter_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("open to the group") << "group";
        QTest::newRow("open to all") << "others";
        QTest::newRow("symbolic link") << "link";
        QTest::newRow("plain file") << "file";
    }

    void singleInstance_refusesFolderOthersMayEnter()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString lock = dir.filePath("zarvo.lock");
        SingleInstance guard(lock);
        QVERIFY(guard.acquire());
        const QByteArray folder = QFile::encodeName(guard.socketFolder());
        QCOMPARE(guard.socketFolder(), dir.filePath("zarvo"));
        if (kind == QLatin1String("link")) {
            QVERIFY(QDir(dir.path()).mkdir("elsewhere"));
            QVERIFY(::chmod(QFile::encodeName(dir.filePath("elsewhere")).constData(), 0700) == 0);
            QVERIFY(QFile::link(dir.filePath("elsewhere"), guard.socketFolder()));
        } else if (kind == QLatin1String("file")) {
            QFile file(guard.socketFolder());
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else {
            QVERIFY(::mkdir(folder.constData(), 0700) == 0);
            QVERIFY(::chmod(folder.constData(), kind == QLatin1String("group") ? 0750 : 0701) == 0);
        }
        QVERIFY(!guard.listen([](const QString&) {}));
        QVERIFY(!QFileInfo::exists(guard.socketPath()));
        QVERIFY(!SingleInstance(lock).handOff(dir.filePath("anna.tib"), 200));
    }

    void singleInstance_socketFolderIsPrivate()
    {
        QTemporaryDir dir;
        SingleInstance guard(dir.filePath("zarvo.lock"));
        QVERIFY(guard.acquire());
        QVERIFY(guard.listen([](const QString&) {}));
        struct stat info = {};
        QVERIFY(::lstat(QFile::encodeName(guard.socketFolder()).constData(), &info) == 0);
        QVERIFY(S_ISDIR(info.st_mode));
        QCOMPARE(info.st_mode & 0777, 0700u);
        QVERIFY(::lstat(QFile::encodeName(guard.socketPath()).constData(), &info) == 0);
        QVERIFY(S_ISSOCK(info.st_mode));
        QCOMPARE(info.st_mode & 077, 0u);
    }

    void singleInstance_peerOfAnotherUser()
    {
        int pair[2];
        QVERIFY(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair) == 0);
        auto closePair = qScopeGuard([&] {
            ::close(pair[0]);
            ::close(pair[1]);
        });
        QVERIFY(SingleInstance::peerIsSameUser(pair[0]));
        if (::geteuid() != 0)
            QSKIP("taking another user's identity needs root");
        // The pair was made by root; seen from another user, its peer is a stranger.
        QVERIFY(::seteuid(65534) == 0);
        const bool sameUser = SingleInstance::peerIsSameUser(pair[0]);
        QVERIFY(::seteuid(0) == 0);
        QVERIFY(!sameUser);
    }

    void commandLine_readingFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        const QString cwd = QDir::currentPath();
        QTest::newRow("none") << QStringList{} << QString();
        QTest::newRow("relative path") << QStringList{"a.tib"} << cwd + "/a.tib";
        QTest::newRow("relative path with folders") << QStringList{"./x/../b.tib"} << cwd + "/b.tib";
        QTest::newRow("absolute path") << QStringList{"/tmp/r.tib"} << QStringLiteral("/tmp/r.tib");
        QTest::newRow("file URL") << QStringList{"file:///tmp/Anna%20M%C3%BCller.tib"}
                                  << QStringLiteral("/tmp/Anna M\u00fcller.tib");
        QTest::newRow("web address") << QStringList{"https://example.com/a.tib"} << QString();
        QTest::newRow("web address, then a file") << QStringList{"https://example.com/a.tib", "c.tib"}
                                                  << cwd + "/c.tib";
        QTest::newRow("colon in a file name") << QStringList{"notes:1984.tib"} << cwd + "/notes:1984.tib";
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << QString();
        QTest::newRow("unknown option, then a file") << QStringList{"--frobnicate", "d.tib"} << cwd + "/d.tib";
        QTest::newRow("empty argument") << QStringList{""} << QString();
        QTest::newRow("standard input") << QStringList{"-"} << QString();
        QTest::newRow("the first of two") << QStringList{"e.tib", "f.tib"} << cwd + "/e.tib";
        QTest::newRow("a file named like an option") << QStringList{"--", "-g.tib"} << cwd + "/-g.tib";
    }

    void commandLine_readingFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        arguments.prepend(QStringLiteral("zarvo-tibetan-astrology"));
        QCOMPARE(CommandLine::readingFile(arguments), expected);
    }

    void openReadingFile_fromResultWindow()
    {
        QTemporaryDir dir;
        const QString anna = writeReading(dir.filePath("anna.tib"), {"Anna", "Female", "7", "March", "1984"});
        const QString bob = writeReading(dir.filePath("bob.tib"), {"Bob", "Male", "2", "June", "1950"});
        FakePlatform platform;
        Application app(platform);
        app.showMainWindow();
        app.openReadingFile(anna);
        processDeletes();
        QPointer<ResultWindow> first = app.resultWindow();
        QVERIFY(first);
        QCOMPARE(visibleWindowNames(), QStringList{"frmTibetanResult"});

        // A file handed over while the reading of another is shown replaces it.
        app.openReadingFile(bob);
        processDeletes();
        QVERIFY(!first);
        QCOMPARE(visibleWindowNames(), QStringList{"frmTibetanResult"});
        QCOMPARE(app.birthData().name, QStringLiteral("Bob"));
        QCOMPARE(app.birthData().sex, QStringLiteral("Male"));
        QCOMPARE(app.birthData().month, QStringLiteral("June"));
        QCOMPARE(app.birthData().year, 1950);
        QVERIFY(platform.messages.isEmpty());

        // From the support screen alone, after the user closed the result window.
        app.resultWindow()->close();
        processDeletes();
        QCOMPARE(visibleWindowNames(), QStringList{"frmNagScreen2"});
        app.openReadingFile(anna);
        processDeletes();
        QCOMPARE(visibleWindowNames(), QStringList{"frmTibetanResult"});
        QCOMPARE(app.birthData().name, QStringLiteral("Anna"));
        QVERIFY(platform.messages.isEmpty());
    }

    void openReadingFile_badFileFromResultWindow()
    {
        QTemporaryDir dir;
        const QString anna = writeReading(dir.filePath("anna.tib"), {"Anna", "Female", "7", "March", "1984"});
        FakePlatform platform;
        Application app(platform);
        app.showMainWindow();
        app.openReadingFile(anna);
        processDeletes();
        app.openReadingFile(dir.path());
        processDeletes();
        QCOMPARE(platform.messageTexts(), QStringList{QStringLiteral("Please Check The File.")});
        QCOMPARE(visibleWindowNames(), QStringList{"frmMain"});
    }

    void openReadingFile_waitsForOpenDialog()
    {
        QTemporaryDir dir;
        const QString bob = writeReading(dir.filePath("bob.tib"), {"Bob", "Male", "2", "June", "1950"});
        FakePlatform platform;
        Application app(platform);
        app.showMainWindow();
        // The user has a message in front when the file comes.
        bool resultDuringMessage = true;
        platform.duringDialog = [&] {
            platform.duringDialog = nullptr;
            app.openReadingFile(bob);
            resultDuringMessage = app.resultWindow() != nullptr;
        };
        app.platform().showMessage(app.mainWindow(), QStringLiteral("Something"), Platform::Icon::Information,
                                   Platform::Buttons::Ok);
        QVERIFY(!resultDuringMessage);
        QTRY_VERIFY(app.resultWindow() && app.resultWindow()->isVisible());
        processDeletes();
        QCOMPARE(visibleWindowNames(), QStringList{"frmTibetanResult"});
        QCOMPARE(app.birthData().name, QStringLiteral("Bob"));
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
        QVERIFY(Startup::RunStartup(app, guard));
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
        QVERIFY(Startup::RunStartup(app, guard));
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
        Startup::CoBrand_Randomize(*main, r);
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

    void qtPlatform_randomStaysBelowOne()
    {
        QtPlatform platform;
        float lowest = 1.0f;
        float highest = 0.0f;
        for (int i = 0; i < 200000; ++i) {
            const float r = platform.nextRandom();
            QVERIFY(r >= 0.0f);
            QVERIFY(r < 1.0f);
            lowest = std::min(lowest, r);
            highest = std::max(highest, r);
        }
        QVERIFY(lowest < 0.001f);
        QVERIFY(highest > 0.999f);
    }

    // ---- about box ----

    void aboutBox_contents()
    {
        FakePlatform platform;
        Application app(platform);
        AboutBox about(app, nullptr);
        about.show();
        QCOMPARE(about.windowTitle(), QStringLiteral("Zarvo Tibetan Astrology v2.20"));
        QVERIFY(about.isModal());
        QCOMPARE(about.findChild<QLabel*>("Label2")->text(), QStringLiteral("Zarvo Tibetan Astrology v2.20"));
        QVERIFY(about.findChild<QLabel*>("Label1")->text().startsWith(
            QLatin1String("Zarvo Tibetan Astrology is an advanced yet easy-to-use software which determines your "
                          "Tibetan zodiac sign from your date of birth.")));
        QVERIFY(about.findChild<QLabel*>("Label3")->text().startsWith(QLatin1String("Home Business Opportunity.")));
        QCOMPARE(about.findChild<LinkLabel*>("lblCoBrand")->text(), QStringLiteral("Click here for more details."));
        QVERIFY(about.findChild<LinkLabel*>("lblHomePage")->text().contains(WebAddress::siteDisplay()));
        QCOMPARE(about.findChild<QPushButton*>("cmdOK")->text(), QStringLiteral("OK"));
    }

    void aboutBox_links_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("pageKey");
        QTest::newRow("lblHomePage") << "lblHomePage"
                                     << "home-page";
        QTest::newRow("lblCoBrand") << "lblCoBrand"
                                    << "fully-branded";
    }
    void aboutBox_links()
    {
        QFETCH(QString, label);
        QFETCH(QString, pageKey);
        FakePlatform platform;
        Application app(platform);
        AboutBox about(app, nullptr);
        about.show();
        clickOnTop(about.findChild<QWidget*>(label));
        QCOMPARE(platform.openedUrls, QStringList{WebAddress::forPage(pageKey)});
        QVERIFY(about.isVisible());  // the box stays open
    }

    void aboutBox_closing_data()
    {
        QTest::addColumn<int>("key");  // 0: click OK
        QTest::newRow("OK") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void aboutBox_closing()
    {
        QFETCH(int, key);
        FakePlatform platform;
        Application app(platform);
        AboutBox about(app, nullptr);
        about.show();
        QApplication::setActiveWindow(&about);
        if (key == 0)
            QTest::mouseClick(about.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        else
            QTest::keyClick(&about, Qt::Key(key));
        QVERIFY(!about.isVisible());
        QVERIFY(platform.openedUrls.isEmpty());
    }

    // ---- update reminder ----

    void checkForUpdate_data()
    {
        QTest::addColumn<int>("daysFromToday");
        QTest::addColumn<Platform::Answer>("answer");
        QTest::addColumn<bool>("asks");
        QTest::newRow("today") << 0 << Platform::Answer::Yes << false;
        QTest::newRow("14 days ago") << -14 << Platform::Answer::Yes << false;
        QTest::newRow("14 days ahead") << 14 << Platform::Answer::Yes << false;
        QTest::newRow("15 days ago, Yes") << -15 << Platform::Answer::Yes << true;
        QTest::newRow("15 days ago, No") << -15 << Platform::Answer::No << true;
        QTest::newRow("15 days ahead, Yes") << 15 << Platform::Answer::Yes << true;
        QTest::newRow("15 days ahead, No") << 15 << Platform::Answer::No << true;
        QTest::newRow("a year ago, No") << -365 << Platform::Answer::No << true;
    }
    void checkForUpdate()
    {
        QFETCH(int, daysFromToday);
        QFETCH(Platform::Answer, answer);
        QFETCH(bool, asks);
        for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany)}) {
            FakePlatform platform;
            Application app(platform);
            const QString stored = platform.todayDate.addDays(daysFromToday).toString(Qt::ISODate);
            platform.settings.insert("Duration", stored);
            platform.answers.enqueue(answer);
            UpdateReminder::CheckForUpdate(app, locale);
            const QString where = locale.name();
            if (!asks) {
                QVERIFY2(platform.messages.isEmpty(), qPrintable(where));
                QCOMPARE(platform.settings.value("Duration"), stored);
                QCOMPARE(platform.settingWrites, 0);
                QVERIFY(platform.openedUrls.isEmpty());
                continue;
            }
            QCOMPARE(platform.messageTexts(), QStringList{Question});
            QCOMPARE(platform.messages.first().icon, Platform::Icon::Information);
            QCOMPARE(platform.messages.first().buttons, Platform::Buttons::YesNo);
            QCOMPARE(platform.settings.value("Duration"), platform.todayDate.toString(Qt::ISODate));
            const QStringList download{WebAddress::siteUrl() + ScriptPath + QStringLiteral("?page=download-web-page")};
            QCOMPARE(platform.openedUrls, answer == Platform::Answer::Yes ? download : QStringList());
        }
    }

    void checkForUpdate_firstStartWritesWithoutAsking()
    {
        FakePlatform platform;
        Application app(platform);
        const QLocale locale(QLocale::English, QLocale::UnitedStates);
        UpdateReminder::CheckForUpdate(app, locale);
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(platform.openedUrls.isEmpty());
        QCOMPARE(platform.settings.value("Duration"), platform.todayDate.toString(Qt::ISODate));
        // The next start on the same day stays silent.
        UpdateReminder::CheckForUpdate(app, locale);
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(platform.settingWrites, 1);
        // ... and so does one 14 days later, while the 15th day asks.
        platform.todayDate = platform.todayDate.addDays(14);
        UpdateReminder::CheckForUpdate(app, locale);
        QVERIFY(platform.messages.isEmpty());
        platform.todayDate = platform.todayDate.addDays(1);
        UpdateReminder::CheckForUpdate(app, locale);
        QCOMPARE(platform.messageTexts(), QStringList{Question});
    }

    void checkForUpdate_unreadableValueStays_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("words") << "not a date";
        QTest::newRow("impossible date") << "13/45/26";
        QTest::newRow("other format") << "2026-11-01T10:00";
        QTest::newRow("blank") << " ";
    }
    void checkForUpdate_unreadableValueStays()
    {
        QFETCH(QString, stored);
        FakePlatform platform;
        Application app(platform);
        platform.settings.insert("Duration", stored);
        UpdateReminder::CheckForUpdate(app, QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(platform.settings.value("Duration"), stored);
        QCOMPARE(platform.settingWrites, 0);
        QVERIFY(platform.openedUrls.isEmpty());
    }

    void checkForUpdate_dateReadsBackInEveryLocale()
    {
        // A date written on one start is read on the next in every locale Qt knows: the
        // reminder stays silent 14 days either side of it and comes 15 days away. So
        // does the locale's short date text that earlier versions wrote.
        const QList<QDate> writtenOn = {QDate(2027, 1, 1),  QDate(2026, 12, 31), QDate(2028, 2, 29),
                                        QDate(2000, 2, 29), QDate(2031, 10, 9),  QDate(2069, 12, 31)};
        QStringList failures;
        for (const QLocale& locale :
             QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            for (const QDate& day : writtenOn) {
                for (const bool earlierVersion : {false, true}) {
                    FakePlatform platform;
                    Application app(platform);
                    platform.todayDate = day;
                    if (earlierVersion)
                        platform.settings.insert("Duration", locale.toString(day, QLocale::ShortFormat));
                    else
                        UpdateReminder::CheckForUpdate(app, locale);
                    const QString stored = platform.settings.value("Duration");
                    QList<int> wrong;
                    for (const int offset : {14, -14, 15, -15}) {
                        platform.settings.insert("Duration", stored);
                        platform.messages.clear();
                        platform.todayDate = day.addDays(offset);
                        UpdateReminder::CheckForUpdate(app, locale);
                        if (platform.messages.isEmpty() != (std::abs(offset) == 14))
                            wrong << offset;
                    }
                    if (!wrong.isEmpty())
                        failures << QStringLiteral("%1 %2 \"%3\"%4: wrong on days %5")
                                        .arg(locale.name(), day.toString(Qt::ISODate), stored,
                                             earlierVersion ? QStringLiteral(" (earlier version)") : QString(),
                                             QString::number(wrong.first()));
                }
            }
        }
        QVERIFY2(failures.isEmpty(), qPrintable(QString::number(failures.size()) + QStringLiteral(" failures:\n")
                                                + failures.mid(0, 6).join(u'\n')));
    }

    // ---- the settings store on disk ----

    void qtPlatform_settingsStore()
    {
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
        auto restore = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", oldHome); });

        const QString path = QtPlatform::settingsFilePath();
        QVERIFY2(path.startsWith(home.path() + u'/'), qPrintable(path));
        const QString baseName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        QVERIFY2(QFileInfo(path).fileName().contains(baseName), qPrintable(path));

        QtPlatform platform;
        QCOMPARE(platform.readSetting("Duration"), QString());
        platform.writeSetting("Duration", "12/7/26");
        QCOMPARE(platform.readSetting("Duration"), QStringLiteral("12/7/26"));
        platform.writeSetting("Duration", "1/30/27");
        QCOMPARE(platform.readSetting("Duration"), QStringLiteral("1/30/27"));
        QCOMPARE(platform.readSetting("NeverWritten"), QString());
        QCOMPARE(platform.readSetting("duration"), QString());

        const QByteArray onDisk = fileContent(path);
        QVERIFY2(!onDisk.isEmpty(), qPrintable(path));
        QVERIFY(onDisk.contains("[Settings]"));
        QVERIFY2(!onDisk.contains("Duration"), onDisk.constData());
        QVERIFY2(!onDisk.contains("1/30/27"), onDisk.constData());

        // A second QtPlatform (the next start) reads what the first wrote.
        QtPlatform nextStart;
        QCOMPARE(nextStart.readSetting("Duration"), QStringLiteral("1/30/27"));
    }

    void qtPlatform_settingsOfAnotherExecutableStayApart()
    {
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
        auto restore = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", oldHome); });

        const QString path = QtPlatform::settingsFilePath();
        const QString folder = QFileInfo(path).absolutePath();
        QVERIFY(QDir().mkpath(folder));
        // The store of a copy of the program under another name.
        const QString otherPath = folder + QStringLiteral("/zarvo-copy.ini");
        QVERIFY(otherPath != path);
        {
            QSettings other(otherPath, QSettings::IniFormat);
            other.beginGroup("Settings");
            other.setValue(ScrambleTextForSettings("Duration"), ScrambleTextForSettings("1/1/20"));
        }
        QtPlatform platform;
        QCOMPARE(platform.readSetting("Duration"), QString());
        platform.writeSetting("Duration", "12/7/26");
        QSettings other(otherPath, QSettings::IniFormat);
        other.beginGroup("Settings");
        QCOMPARE(UnscrambleTextFromSettings(other.value(ScrambleTextForSettings("Duration")).toString()),
                 QStringLiteral("1/1/20"));
    }

    void qtPlatform_settingsStoreSurvivesBadFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("corrupt file") << "corrupt";
        QTest::newRow("folder where the file should be") << "folder";
        QTest::newRow("config home is a file") << "homeIsFile";
        QTest::newRow("read-only folder") << "readOnly";
    }
    void qtPlatform_settingsStoreSurvivesBadFiles()
    {
        QFETCH(QString, kind);
        QTemporaryDir home;
        QString configHome = home.path();
        if (kind == QLatin1String("homeIsFile")) {
            configHome = home.filePath("plain-file");
            QFile file(configHome);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("x");
        }
        const QByteArray oldHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome));
        auto restore = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", oldHome); });

        const QString path = QtPlatform::settingsFilePath();
        const QString folder = QFileInfo(path).absolutePath();
        if (kind == QLatin1String("corrupt")) {
            QVERIFY(QDir().mkpath(folder));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QByteArray junk("[Settings\n=\n\0\xff\xfe[[[]]]\n");
            for (int i = 0; i < 2000; ++i)
                junk += char((i * 131) & 0xff);
            file.write(junk);
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == QLatin1String("readOnly")) {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        }
        auto unlock = qScopeGuard([&] {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });

        QtPlatform platform;
        QCOMPARE(platform.readSetting("NeverWritten"), QString());
        const QString before = platform.readSetting("Duration");
        platform.writeSetting("Duration", "12/7/26");
        const QString after = platform.readSetting("Duration");
        if (kind == QLatin1String("corrupt"))
            QCOMPARE(after, QStringLiteral("12/7/26"));  // the store is rewritten
        else
            QVERIFY(after == before || after == QLatin1String("12/7/26"));
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
