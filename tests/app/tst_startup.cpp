// Start-up: the single-instance guard, a reading file named at start or handed to the
// copy that already runs, the reminder before the main window and the random
// promotional label in front.
#include "app/Application.h"
#include "app/CommandLine.h"
#include "ui/MainWindow.h"
#include "platform/LocalFiles.h"
#include "platform/ReadingFileAccess.h"
#include "platform/SingleInstance.h"
#include "platform/unix/HandOffPaths.h"
#include "platform/unix/HandOffServer.h"
#include "app/Startup.h"
#include "ui/SupportScreen.h"
#include "testlib/FakePlatform.h"
#include "testlib/GuiTestHelpers.h"
#include "ui/ResultWindow.h"
#include "widgets/LinkLabel.h"

#include <QFile>
#include <QMutex>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace GuiTest;

namespace {

const QString Question =
    QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");

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
    // By the name's bytes, which may be no UTF-8.
    FILE* file = std::fopen(LocalFiles::toBytes(path).constData(), "wb");
    if (!file || std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file) != size_t(bytes.size())
        || std::fclose(file) != 0)
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
    unsigned long openingMs = 0;

protected:
    void run() override
    {
        SingleInstance guard(m_lockPath);
        listening = guard.acquire() && guard.listen([this](const QString& path) {
            // A slow opening: the later start must hear back only after it.
            QThread::msleep(openingMs);
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

    void runStartup_readingFile()
    {
        // Also under a name whose bytes are no UTF-8.
        QTemporaryDir dir;
        const QByteArray annaBytes = QFile::encodeName(dir.path()) + "/anna\xff.tib";
        const QString anna = writeReading(LocalFiles::fromBytes(annaBytes), {"Anna", "Female", "7", "March", "1984"});
        // QTemporaryDir would remove only what Qt can name.
        const auto removeAnna = qScopeGuard([&annaBytes] { ::unlink(annaBytes.constData()); });
        FakePlatform platform;
        Application app(platform);
        SingleInstance guard(dir.filePath("zarvo.lock"));
        QVERIFY(Startup::run(app, guard, anna));
        QTRY_VERIFY(app.resultWindow() && app.resultWindow()->isVisible());
        processDeletes();
        QCOMPARE(visibleWindowNames(), QStringList{"ResultWindow"});
        QCOMPARE(app.resultWindow()->birthData().name, QStringLiteral("Anna"));
        QCOMPARE(app.resultWindow()->birthData().day, 7);
        QCOMPARE(app.resultWindow()->birthData().year, 1984);
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(!app.supportScreen() || !app.supportScreen()->isVisible());
    }

    void runStartup_foreignAddress_isNamed()
    {
        QTemporaryDir dir;
        FakePlatform platform;
        Application app(platform);
        SingleInstance guard(dir.filePath("zarvo.lock"));
        QVERIFY(Startup::run(app, guard, QString(), QStringLiteral("file://elsewhere/r.tib")));
        QTRY_COMPARE(platform.messageTexts(), QStringList{"file://elsewhere/r.tib\nThe reading file could not be "
                                                          "opened (the address names no file on this computer)."});
        QCOMPARE(visibleWindowNames(), QStringList{"MainWindow"});
    }

    void runStartup_handsReadingFileToRunningCopy()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath("zarvo.lock");
        RunningCopy first(lock);
        first.openingMs = 300;
        first.startListening();
        QVERIFY(first.listening);

        // Neither spaces nor letters beyond ASCII nor bytes that are no UTF-8 get lost
        // on the way.
        const QStringList paths{dir.filePath(QStringLiteral("Jos\u00e9 M\u00fcller.tib")),
                                LocalFiles::fromBytes(QFile::encodeName(dir.path()) + "/bad\xff\xfe.tib")};
        for (const QString& path : paths) {
            FakePlatform platform;
            Application app(platform);
            SingleInstance second(lock);
            QVERIFY(!Startup::run(app, second, path));
            QVERIFY(platform.messages.isEmpty());
            QCOMPARE(platform.exits, 0);
            QVERIFY(!app.mainWindow());
            QVERIFY(platform.settings.isEmpty());
        }
        QCOMPARE(first.received(), paths);
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
            QVERIFY(!Startup::run(app, second, path));
            // A file that nobody took is named, so that it does not vanish without a word.
            const QString expected = path.isEmpty() ? QStringLiteral("Application is already running")
                                                    : "Application is already running, but it did not take the "
                                                      "reading file\n" + path + "\nPlease open it there.";
            QCOMPARE(platform.messageTexts(), QStringList{expected});
            QCOMPARE(platform.exits, 1);
        }
        // An address that names no file here is named by this start itself.
        FakePlatform platform;
        Application app(platform);
        SingleInstance second(lock);
        QVERIFY(!Startup::run(app, second, QString(), QStringLiteral("http://example.com/a.tib")));
        QCOMPARE(platform.messageTexts(),
                 QStringList{"Application is already running.\nhttp://example.com/a.tib\nThe reading file could "
                             "not be opened (the address names no file on this computer)."});
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
        const QString socketFolder = HandOffPaths::folder(lock);
        const QByteArray folder = QFile::encodeName(socketFolder);
        QCOMPARE(socketFolder, dir.filePath("zarvo"));
        if (kind == QLatin1String("link")) {
            QVERIFY(QDir(dir.path()).mkdir("elsewhere"));
            QVERIFY(::chmod(QFile::encodeName(dir.filePath("elsewhere")).constData(), 0700) == 0);
            QVERIFY(QFile::link(dir.filePath("elsewhere"), socketFolder));
        } else if (kind == QLatin1String("file")) {
            QFile file(socketFolder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else {
            QVERIFY(::mkdir(folder.constData(), 0700) == 0);
            QVERIFY(::chmod(folder.constData(), kind == QLatin1String("group") ? 0750 : 0701) == 0);
        }
        QVERIFY(!guard.listen([](const QString&) {}));
        QVERIFY(!QFileInfo::exists(HandOffPaths::socket(lock)));
        QVERIFY(!SingleInstance(lock).handOff(dir.filePath("anna.tib"), 200));
    }

    void singleInstance_socketFolderIsPrivate()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath("zarvo.lock");
        SingleInstance guard(lock);
        QVERIFY(guard.acquire());
        QVERIFY(guard.listen([](const QString&) {}));
        struct stat info = {};
        QVERIFY(::lstat(QFile::encodeName(HandOffPaths::folder(lock)).constData(), &info) == 0);
        QVERIFY(S_ISDIR(info.st_mode));
        QCOMPARE(info.st_mode & 0777, 0700u);
        QVERIFY(::lstat(QFile::encodeName(HandOffPaths::socket(lock)).constData(), &info) == 0);
        QVERIFY(S_ISSOCK(info.st_mode));
        QCOMPARE(info.st_mode & 077, 0u);
    }

    void singleInstance_connectionOfAnotherUser_isDroppedUnread_data()
    {
        QTest::addColumn<bool>("otherUser");
        QTest::newRow("this user") << false;
        QTest::newRow("another user") << true;
    }
    void singleInstance_connectionOfAnotherUser_isDroppedUnread()
    {
        QFETCH(bool, otherUser);
        if (otherUser && ::geteuid() != 0)
            QSKIP("taking another user's identity needs root");
        QTemporaryDir dir;
        QStringList received;
        HandOffServer server(dir.filePath("zarvo.lock"), [&received](const QString& path) { received << path; });
        QVERIFY(server.listen());
        // A connected pair keeps the identity of the process that made it.
        int pair[2];
        if (otherUser)
            QVERIFY(::seteuid(65534) == 0);
        const int made = ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pair);
        if (otherUser)
            QVERIFY(::seteuid(0) == 0);
        QCOMPARE(made, 0);
        const auto closeOurEnd = qScopeGuard([&] { ::close(pair[1]); });
        const QByteArray message = QFile::encodeName(dir.filePath("anna.tib")) + '\0';
        QCOMPARE(::send(pair[1], message.constData(), size_t(message.size()), MSG_NOSIGNAL), ssize_t(message.size()));
        server.takeConnection(pair[0]);
        // The running copy answers and closes; what it said comes before the end.
        QByteArray answer;
        QTRY_VERIFY([&] {
            char buffer[16];
            const ssize_t got = ::recv(pair[1], buffer, sizeof buffer, 0);
            if (got > 0)
                answer.append(buffer, got);
            return got == 0;
        }());
        processDeletes();
        QCOMPARE(received, otherUser ? QStringList() : QStringList{dir.filePath("anna.tib")});
        QCOMPARE(answer, otherUser ? QByteArray() : QByteArray("ok\0", 3));
    }

    void singleInstance_idleConnections_fewAndBrief()
    {
        // At most 32 connections are kept, the oldest giving way, and none for long.
        QTemporaryDir dir;
        HandOffServer server(dir.filePath("zarvo.lock"), [](const QString&) {});
        std::vector<int> ours;
        const auto closeOurs = qScopeGuard([&ours] {
            for (const int socket : ours)
                ::close(socket);
        });
        const auto closedByServer = [](int socket) {
            char byte;
            return ::recv(socket, &byte, 1, MSG_DONTWAIT) == 0;
        };
        for (int i = 0; i < 33; ++i) {
            int pair[2];
            QCOMPARE(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pair), 0);
            ours.push_back(pair[1]);
            server.takeConnection(pair[0]);
        }
        QVERIFY(closedByServer(ours.front()));
        QVERIFY(std::none_of(ours.begin() + 1, ours.end(), closedByServer));
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(ours.begin(), ours.end(), closedByServer), 10000);
    }

    void singleInstance_floodOfIdleConnections_staysBounded()
    {
        // Idle connections that are held open take neither all the process's files nor
        // the place of a later start.
        QTemporaryDir dir;
        const QString lock = dir.filePath("zarvo.lock");
        RunningCopy first(lock);
        first.startListening();
        QVERIFY(first.listening);
        const auto openFiles = [] { return QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(); };
        const qsizetype before = openFiles();
        constexpr int Flood = 300;
        std::vector<int> idle;
        const auto closeIdle = qScopeGuard([&idle] {
            for (const int socket : idle)
                ::close(socket);
        });
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        const QByteArray socketPath = QFile::encodeName(HandOffPaths::socket(lock));
        std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
        for (int i = 0; i < Flood; ++i) {
            const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            QVERIFY(socket >= 0);
            idle.push_back(socket);
            QCOMPARE(::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        }
        const QString path = dir.filePath("anna.tib");
        QVERIFY(SingleInstance(lock).handOff(path));
        QCOMPARE(first.received(), QStringList{path});
        // Ours are the flood's; the running copy keeps a few of its own.
        QVERIFY2(openFiles() - before < Flood + 40, qPrintable(QString::number(openFiles() - before)));
    }

    void singleInstance_longRuntimeFolder_handsOver()
    {
        // A socket's address holds a path of about a hundred bytes; the runtime folder may
        // be longer.
        QTemporaryDir dir;
        const QString folder = dir.filePath(QString(150, u'r'));
        QVERIFY(QDir().mkpath(folder));
        const QString lock = folder + "/zarvo.lock";
        RunningCopy first(lock);
        first.startListening();
        QVERIFY(first.listening);
        const QString path = dir.filePath("anna.tib");
        QVERIFY(SingleInstance(lock).handOff(path));
        QCOMPARE(first.received(), QStringList{path});
    }

    void singleInstance_withoutRuntimeFolder_lockStaysPrivate_data()
    {
        QTest::addColumn<QString>("planted");
        QTest::newRow("lock held in the shared folder") << "held";
        QTest::newRow("link in the lock's place") << "link";
    }
    void singleInstance_withoutRuntimeFolder_lockStaysPrivate()
    {
        // Without a runtime folder, the lock would lie in the shared temporary folder,
        // where another user could take it first.
        QFETCH(QString, planted);
        QTemporaryDir shared;
        QTemporaryDir home;
        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray oldTemp = qgetenv("TMPDIR");
        const QByteArray oldCache = qgetenv("XDG_CACHE_HOME");
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(shared.path()));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(home.filePath(".cache")));
        const auto restore = qScopeGuard([&] {
            qputenv("XDG_RUNTIME_DIR", oldRuntime);
            qputenv("TMPDIR", oldTemp);
            qputenv("XDG_CACHE_HOME", oldCache);
        });
        const QString sharedLock = shared.filePath("zarvo-tibetan-astrology.lock");
        SingleInstance stranger(sharedLock);
        QVERIFY(stranger.acquire());
        const QString lock = SingleInstance::defaultLockFilePath();
        QVERIFY2(!lock.startsWith(shared.path()), qPrintable(lock));
        struct stat folder = {};
        QCOMPARE(::stat(QFile::encodeName(QFileInfo(lock).path()).constData(), &folder), 0);
        QCOMPARE(folder.st_uid, ::geteuid());
        QCOMPARE(folder.st_mode & 022, 0u);
        if (planted == QLatin1String("link")) {
            QVERIFY(QFile::link(home.filePath("made-by-the-lock"), lock));
            SingleInstance guard(lock);
            guard.acquire();
            QVERIFY(!QFileInfo::exists(home.filePath("made-by-the-lock")));
        } else {
            SingleInstance guard(lock);
            QVERIFY(guard.acquire());
        }
    }

    void commandLine_readingFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("foreignAddress");
        const QString cwd = QDir::currentPath();
        QTest::newRow("none") << QStringList{} << QString() << QString();
        QTest::newRow("relative path") << QStringList{"a.tib"} << cwd + "/a.tib" << QString();
        // Only the system knows where ".." leads after a link to a folder.
        QTest::newRow("relative path with folders") << QStringList{"./x/../b.tib"} << cwd + "/./x/../b.tib" << QString();
        QTest::newRow("absolute path") << QStringList{"/tmp/r.tib"} << QStringLiteral("/tmp/r.tib") << QString();
        QTest::newRow("file URL") << QStringList{"file:///tmp/Anna%20M%C3%BCller.tib"}
                                  << QStringLiteral("/tmp/Anna M\u00fcller.tib") << QString();
        QTest::newRow("web address") << QStringList{"https://example.com/a.tib"} << QString()
                                     << QStringLiteral("https://example.com/a.tib");
        QTest::newRow("two addresses") << QStringList{"smb://nas/a.tib", "http://b"} << QString()
                                       << QStringLiteral("smb://nas/a.tib");
        QTest::newRow("web address, then a file") << QStringList{"https://example.com/a.tib", "c.tib"}
                                                  << cwd + "/c.tib" << QString();
        QTest::newRow("colon in a file name") << QStringList{"notes:1984.tib"} << cwd + "/notes:1984.tib" << QString();
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << QString() << QString();
        QTest::newRow("unknown option, then a file") << QStringList{"--frobnicate", "d.tib"} << cwd + "/d.tib" << QString();
        QTest::newRow("empty argument") << QStringList{""} << QString() << QString();
        QTest::newRow("standard input") << QStringList{"-"} << QString() << QString();
        QTest::newRow("the first of two") << QStringList{"e.tib", "f.tib"} << cwd + "/e.tib" << QString();
        QTest::newRow("a file named like an option") << QStringList{"--", "-g.tib"} << cwd + "/-g.tib" << QString();
        QTest::newRow("file URL on localhost") << QStringList{"file://localhost/tmp/r.tib"} << QStringLiteral("/tmp/r.tib") << QString();
        QTest::newRow("file URL on LOCALHOST") << QStringList{"file://LOCALHOST/tmp/r.tib"} << QStringLiteral("/tmp/r.tib") << QString();
        QTest::newRow("relative file URL") << QStringList{"file:h.tib"} << cwd + "/h.tib" << QString();
        QTest::newRow("file URL on another machine") << QStringList{"file://elsewhere/tmp/r.tib"} << QString()
                                                     << QStringLiteral("file://elsewhere/tmp/r.tib");
        QTest::newRow("file URL without a path") << QStringList{"file:"} << QString() << QString();
        QTest::newRow("file URL with a query") << QStringList{"file:///tmp/r%3F.tib?x#y"} << QStringLiteral("/tmp/r?.tib") << QString();
        // Bytes that are no UTF-8 stay as they are, kept as U+DC80..U+DCFF.
        QTest::newRow("file URL of a name that is no UTF-8")
            << QStringList{"file:///tmp/bad%FF%FE.tib"} << QString::fromUtf16(u"/tmp/bad\xDCFF\xDCFE" u".tib") << QString();
    }

    void commandLine_readingFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QFETCH(QString, foreignAddress);
        arguments.prepend(QStringLiteral("zarvo-tibetan-astrology"));
        const CommandLine::ReadingArgument found = CommandLine::readingFile(arguments);
        QCOMPARE(found.path, expected);
        QCOMPARE(found.foreignAddress, foreignAddress);
    }

    void commandLine_dotDotAfterLink_leadsWhereTheSystemGoes()
    {
        // shared/sym/../one.tib, with sym a link to elsewhere/inner: the shell opens
        // elsewhere/one.tib, and so must the program.
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("shared") && QDir(dir.path()).mkpath("elsewhere/inner"));
        QVERIFY(QFile::link(dir.filePath("elsewhere/inner"), dir.filePath("shared/sym")));
        writeReading(dir.filePath("shared/one.tib"), {"Anna"});
        writeReading(dir.filePath("elsewhere/one.tib"), {"Bob"});
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const auto restore = qScopeGuard([&before] { QDir::setCurrent(before); });
        const QString path = CommandLine::readingFile({"zarvo-tibetan-astrology", "shared/sym/../one.tib"}).path;
        QVERIFY2(QFileInfo(path).isAbsolute(), qPrintable(path));
        QCOMPARE(ReadingFileAccess::read(path).name, QStringLiteral("Bob"));
    }

    void localFiles_nameKeepsItsBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::newRow("UTF-8") << QByteArray("/a/M\xc3\xbcller \xf0\x9f\x98\x80.tib") << QStringLiteral("/a/M\u00fcller \U0001F600.tib");
        QTest::newRow("Latin-1") << QByteArray("M\xfcller") << QString::fromUtf16(u"M\xDCFC" u"ller");
        QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << QString::fromUtf16(u"\xDCC0\xDCAF");
        QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80") << QString::fromUtf16(u"\xDCED\xDCA0\xDC80");
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << QString::fromUtf16(u"\xDCF4\xDC90\xDC80\xDC80");
        QTest::newRow("cut short") << QByteArray("a\xe2\x82") << QString::fromUtf16(u"a\xDCE2\xDC82");
    }
    void localFiles_nameKeepsItsBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QCOMPARE(LocalFiles::fromBytes(bytes), name);
        QCOMPARE(LocalFiles::toBytes(name), bytes);
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
        QCOMPARE(visibleWindowNames(), QStringList{"ResultWindow"});

        // A file handed over while the reading of another is shown replaces it.
        app.openReadingFile(bob);
        processDeletes();
        QVERIFY(!first);
        QCOMPARE(visibleWindowNames(), QStringList{"ResultWindow"});
        QCOMPARE(app.resultWindow()->birthData().name, QStringLiteral("Bob"));
        QCOMPARE(app.resultWindow()->birthData().sex, QStringLiteral("Male"));
        QCOMPARE(app.resultWindow()->birthData().month, QStringLiteral("June"));
        QCOMPARE(app.resultWindow()->birthData().year, 1950);
        QVERIFY(platform.messages.isEmpty());

        // From the support screen alone, after the user closed the result window.
        app.resultWindow()->close();
        processDeletes();
        QCOMPARE(visibleWindowNames(), QStringList{"SupportScreen"});
        app.openReadingFile(anna);
        processDeletes();
        QCOMPARE(visibleWindowNames(), QStringList{"ResultWindow"});
        QCOMPARE(app.resultWindow()->birthData().name, QStringLiteral("Anna"));
        QVERIFY(platform.messages.isEmpty());
    }

    void openReadingFile_badFileFromResultWindow_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not a reading file's name") << "folder" << QString();
        QTest::newRow("missing") << "missing.tib" << qt_error_string(ENOENT);
        QTest::newRow("a folder") << "folder.tib" << QStringLiteral("it is not a plain file");
        QTest::newRow("a FIFO") << "fifo.tib" << QStringLiteral("it is not a plain file");
        if (::geteuid() != 0)
            QTest::newRow("unreadable") << "unreadable.tib" << qt_error_string(EACCES);
    }
    void openReadingFile_badFileFromResultWindow()
    {
        // Named at start or handed over: a file that cannot be opened is named with the
        // reason, not read as an empty one.
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString anna = writeReading(dir.filePath("anna.tib"), {"Anna", "Female", "7", "March", "1984"});
        const QString bad = dir.filePath(kind);
        const QByteArray badBytes = QFile::encodeName(bad);
        if (kind.startsWith("folder"))
            QVERIFY(QDir().mkdir(bad));
        else if (kind == "fifo.tib")
            QCOMPARE(::mkfifo(badBytes.constData(), 0600), 0);
        else if (kind == "unreadable.tib")
            QCOMPARE(::chmod(QFile::encodeName(writeReading(bad, {"Bob"})).constData(), 0), 0);
        FakePlatform platform;
        Application app(platform);
        app.showMainWindow();
        app.openReadingFile(anna);
        processDeletes();
        app.openReadingFile(bad);
        processDeletes();
        const QString expected = reason.isEmpty() ? QStringLiteral("Please Check The File.")
                                                  : bad + "\nThe reading file could not be opened (" + reason + ").";
        QCOMPARE(platform.messageTexts(), QStringList{expected});
        QCOMPARE(platform.messages.first().icon, Platform::Icon::Critical);
        QCOMPARE(visibleWindowNames(), QStringList{"MainWindow"});
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
        QCOMPARE(visibleWindowNames(), QStringList{"ResultWindow"});
        QCOMPARE(app.resultWindow()->birthData().name, QStringLiteral("Bob"));
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
        QCOMPARE(platform.openedUrls, QStringList{pageAddress("download-web-page")});
        QVERIFY(app.mainWindow() && app.mainWindow()->isVisible());
    }

    void runStartup_frontLabel_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<bool>("cobrandInFront");
        // Odd numbers put the co-brand offer in front, even ones the full-brand offer;
        // 7 leaves the form's order, full brand in front.
        QTest::newRow("n=1") << 0.0f << true;
        QTest::newRow("n=2") << 0.25f << false;
        QTest::newRow("n=3") << 0.4f << true;
        QTest::newRow("n=4") << 0.5f << false;
        QTest::newRow("n=5") << 0.6f << true;
        QTest::newRow("n=6") << 0.8f << false;
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
                 QStringList{pageAddress(cobrandInFront ? "co-brand" : "fully-branded")});
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
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
