// The reading file on POSIX systems: permissions, other users' folders, links, file
// size limits, full disks and things that are no files.
#include "files/ReadingFile.h"
#include "platform/ReadingFileAccess.h"
#include "files/ReadingFileSamples.h"
#include "platform/SaveTarget.h"
#include "platform/unix/SaveSteps.h"


#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <pwd.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
bool runningAsRoot()
{
    return ::geteuid() == 0;
}

// Saves data to the existing file at path as a user whom its folder lets make no new
// file, so that the file is written where it stands: as root, 'nobody' in a folder of
// root's (the file is given to nobody); otherwise this user in a folder without write
// permission. A limit other than 0 is a file size limit for the save.
enum class Outcome { Saved, Refused, Crashed, NotRun };
Outcome saveWhereItStandsAs(const QString& path, const BirthData& data, rlim_t limit = 0)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const auto save = [&] {
        if (limit != 0) {
            ::signal(SIGXFSZ, SIG_IGN);  // as the program does: the write fails instead
            const struct rlimit tiny = {limit, limit};
            if (::setrlimit(RLIMIT_FSIZE, &tiny) != 0)
                return false;
        }
        return ReadingFileAccess::write(path, data);
    };
    const passwd* user = runningAsRoot() ? ::getpwnam("nobody") : nullptr;
    if (runningAsRoot() && (!user || ::lchown(QFile::encodeName(path).constData(), user->pw_uid, user->pw_gid) != 0))
        return Outcome::NotRun;
    if (!runningAsRoot() && ::chmod(folder.constData(), 0555) != 0)
        return Outcome::NotRun;
    const pid_t child = ::fork();
    if (child == 0) {
        const bool asUser = !user || (::setgid(user->pw_gid) == 0 && ::setuid(user->pw_uid) == 0);
        ::_exit(asUser && save() ? 0 : 1);
    }
    int status = 0;
    const bool ended = child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status);
    if (!runningAsRoot())
        ::chmod(folder.constData(), 0755);
    return !ended ? Outcome::Crashed : WEXITSTATUS(status) == 0 ? Outcome::Saved : Outcome::Refused;
}

bool saveWhereItStands(const QString& path, const BirthData& data, rlim_t limit = 0)
{
    return saveWhereItStandsAs(path, data, limit) == Outcome::Saved;
}

// A name whose line is longer than a page, so that the new content takes more room
// than the old.
BirthData longNamed()
{
    BirthData data = anna();
    data.name = QString(6000, u'N');
    return data;
}
} // namespace

class TestReadingFileUnix : public QObject
{
    Q_OBJECT
private slots:
    void failedSave_leavesTheEarlierFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("keep.tib");
        writeBytes(path, "earlier\r\n");
        // A read-only file is refused, also for root.
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        QVERIFY(!ReadingFileAccess::write(path, anna()));
        QCOMPARE(fileContent(path), QByteArray("earlier\r\n"));
        // A read-only folder takes no new file.
        if (!runningAsRoot()) {
            QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            QVERIFY(!ReadingFileAccess::write(dir.filePath("new.tib"), anna()));
            QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                          | QFileDevice::ExeOwner));
        }
        // A folder that does not exist.
        QVERIFY(!ReadingFileAccess::write(dir.filePath("missing/x.tib"), anna()));
        QVERIFY(!QFile::exists(dir.filePath("missing/x.tib")));
        // No temporary file is left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.tib"});
    }

    void writableFileInAFolderNotOurs_isWritten_data()
    {
        QTest::addColumn<bool>("sticky");
        QTest::newRow("own file in a folder of someone else's") << false;
        QTest::newRow("another user's 0666 file in a sticky folder") << true;
    }
    void writableFileInAFolderNotOurs_isWritten()
    {
        // The atomic way cannot make a new file in such a folder, or cannot put it in
        // the place of another user's file; the file is written where it stands.
        QFETCH(bool, sticky);
        QTemporaryDir dir;
        const QString folder = dir.filePath("folder");
        QVERIFY(QDir().mkdir(folder));
        const QString path = folder + "/r.tib";
        writeBytes(path, QByteArray(200, 'x') + "\r\n");
        const QByteArray nativePath = QFile::encodeName(path);
        if (runningAsRoot()) {
            // Root makes the folder and the file; an ordinary user saves.
            const passwd* user = ::getpwnam("nobody");
            if (!user)
                QSKIP("no user 'nobody' to save as");
            QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
            if (sticky) {
                QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 01777), 0);
                QCOMPARE(::chmod(nativePath.constData(), 0666), 0);
            } else {
                QCOMPARE(::chown(nativePath.constData(), user->pw_uid, user->pw_gid), 0);
            }
            const pid_t child = ::fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                const bool written = ::setgid(user->pw_gid) == 0 && ::setuid(user->pw_uid) == 0
                                     && ReadingFileAccess::write(path, anna());
                ::_exit(written ? 0 : 1);
            }
            int status = 0;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "the save as 'nobody' failed");
        } else {
            if (sticky)
                QSKIP("needs a file of another user's: runs as root");
            // A folder in which this user may make no file, as one of someone else's.
            QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0555), 0);
            QString reason;
            const bool written = ReadingFileAccess::write(path, anna(), &reason);
            QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
            QVERIFY2(written, qPrintable(reason));
        }
        QCOMPARE(fileContent(path), annaLines("\r\n"));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"r.tib"});
    }

    void thingsThatAreNoFiles_areRefusedWhereTheyStand()
    {
        // Refused before anything is written: replacing them would swap a FIFO or a
        // device node for a file.
        QTemporaryDir dir;
        const QString fifo = dir.filePath("pipe.tib");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0666), 0);
        QStringList things{fifo, dir.path()};
        const QString device = dir.filePath("full.tib");
        if (runningAsRoot() && ::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 7)) == 0)
            things << device;
        for (const QString& thing : things) {
            QVERIFY2(!ReadingFileAccess::write(thing, anna()), qPrintable(thing));
            QVERIFY(!QFileInfo(thing).isFile());
        }
    }

    void hugeFileWhereItStands_isRefusedUnread()
    {
        // Someone else's 100 GB file in place of a reading: its content cannot be kept
        // for putting back, so it is not written, and not read whole either.
        QTemporaryDir dir;
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        const QString path = dir.filePath("huge.tib");
        writeBytes(path, "x");
        if (::truncate(QFile::encodeName(path).constData(), off_t(100) << 30) != 0)
            QSKIP("no sparse file of 100 GB here");
        QVERIFY(saveWhereItStandsAs(path, anna()) == Outcome::Refused);
        QCOMPARE(QFileInfo(path).size(), qint64(100) << 30);
    }

    void namesSwappedAfterTheCheck_neverRedirectTheSave()
    {
        // In a folder that others may write, another user may swap any name for a link
        // at any moment; the bytes must land only in that folder, never through a link.
        QTemporaryDir dir;
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
        QVERIFY(QDir(dir.path()).mkdir("own") && QDir(dir.path()).mkdir("shared"));
        const QString own = dir.filePath("own/diary.txt");
        writeBytes(own, "mine\r\n");
        const QString reading = dir.filePath("shared/r.tib");
        writeBytes(reading, "earlier\r\n");
        // The folder swapped for a link to the user's own once it was opened.
        const SaveTarget opened = SaveTarget::open(reading);
        QVERIFY(QDir(dir.path()).rename("shared", "moved") && QFile::link(dir.filePath("own"), dir.filePath("shared")));
        QVERIFY(opened.write("new\r\n", 100));
        QCOMPARE(fileContent(dir.filePath("moved/r.tib")), QByteArray("new\r\n"));
        QVERIFY(QFile::remove(dir.filePath("shared")) && QDir(dir.path()).rename("moved", "shared"));
        QCOMPARE(fileContent(own), QByteArray("mine\r\n"));
        // The file's name swapped for a link just before it is written where it stands.
        struct stat examined {};
        QCOMPARE(::stat(QFile::encodeName(own).constData(), &examined), 0);
        const QString planted = dir.filePath("shared/planted.tib");
        QVERIFY(QFile::link(dir.filePath("own/nothing.txt"), planted));
        const int folder = ::open(QFile::encodeName(dir.filePath("shared")).constData(), O_PATH | O_DIRECTORY);
        QString reason;
        QVERIFY(!SaveSteps::writeInPlace(folder, "planted.tib", examined, "new\r\n", 100, reason));
        ::close(folder);
        QCOMPARE(reason, QStringLiteral("it is not a plain file"));
        QVERIFY(!QFileInfo::exists(dir.filePath("own/nothing.txt")));
    }

    void linksOnTheWay_followedOnlyWhereNoOtherUserCouldHaveMadeThem()
    {
        // ".." is taken as the file system has it: beyond a link, the link's parent.
        QTemporaryDir dir;
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        QVERIFY(QDir(dir.path()).mkpath("real/inner") && QDir(dir.path()).mkdir("open"));
        QVERIFY(QFile::link(dir.filePath("real/inner"), dir.filePath("trusted")));
        QVERIFY(SaveTarget::open(dir.filePath("trusted/../r.tib")).write("via\r\n", 100));
        QCOMPARE(fileContent(dir.filePath("real/r.tib")), QByteArray("via\r\n"));
        // A link in a folder that anyone may write could be anyone's.
        QCOMPARE(::chmod(QFile::encodeName(dir.filePath("open")).constData(), 0777), 0);
        QVERIFY(QFile::link(dir.filePath("real"), dir.filePath("open/link")));
        QString reason;
        QVERIFY(!SaveTarget::open(dir.filePath("open/link/r.tib")).write("no\r\n", 100, &reason));
        QVERIFY2(reason.contains(QLatin1String("link")), qPrintable(reason));
        QCOMPARE(fileContent(dir.filePath("real/r.tib")), QByteArray("via\r\n"));
    }

    void writeInPlaceThatCannotComplete_leavesTheOldFileWhole_data()
    {
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("file size limit") << false;
        QTest::newRow("full disk") << true;
    }
    void writeInPlaceThatCannotComplete_leavesTheOldFileWhole()
    {
        QFETCH(bool, fullDisk);
        QTemporaryDir dir;
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        const QString folder = dir.filePath("folder");
        QVERIFY(QDir().mkdir(folder));
        if (fullDisk) {
            if (!runningAsRoot())
                QSKIP("a small file system to fill needs root");
            if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k,mode=0755") != 0)
                QSKIP("no tmpfs can be mounted here");
        }
        const auto unmount = qScopeGuard([&] {
            if (fullDisk)
                ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
        });
        const QString path = folder + "/r.tib";
        writeBytes(path, annaLines("\r\n"));
        if (fullDisk) {
            // Filled to the last block, as the old file's blocks still hold it.
            QFile filler(folder + "/filler");
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'f');
            while (filler.write(block) == block.size()) {
            }
        }
        QVERIFY(!saveWhereItStands(path, longNamed(), fullDisk ? 0 : 4096));
        QCOMPARE(fileContent(path), annaLines("\r\n"));
    }

    void linkInTheFilesPlace_isNotFollowed_data()
    {
        QTest::addColumn<bool>("targetExists");
        QTest::newRow("link to a file of the user's") << true;
        QTest::newRow("link to nothing") << false;
    }
    void linkInTheFilesPlace_isNotFollowed()
    {
        // Whoever may write a shared folder can put a link in the place of the file the
        // user has agreed to replace.
        QFETCH(bool, targetExists);
        QTemporaryDir dir;
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        const QString own = dir.filePath("own.tib");
        if (targetExists)
            writeBytes(own, "mine\r\n");
        const QString shared = dir.filePath("shared");
        QVERIFY(QDir().mkdir(shared));
        QVERIFY(QFile::link(own, shared + "/r.tib"));
        QVERIFY(!ReadingFileAccess::write(shared + "/r.tib", anna()));
        if (runningAsRoot()) {
            // The saver is 'nobody' then: the link's target must be one that nobody may write.
            QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
            const passwd* user = ::getpwnam("nobody");
            QVERIFY(user);
            QVERIFY(!targetExists || ::chown(QFile::encodeName(own).constData(), user->pw_uid, user->pw_gid) == 0);
        }
        QVERIFY(!saveWhereItStands(shared + "/r.tib", anna()));
        if (targetExists)
            QCOMPARE(fileContent(own), QByteArray("mine\r\n"));
        else
            QVERIFY(!QFileInfo::exists(own));
    }

    void writeFailurePartWay_leavesTheEarlierFile()
    {
        // A file size limit makes writes fail as a full disk would.
        QTemporaryDir dir;
        const QString path = dir.filePath("keep.tib");
        writeBytes(path, "earlier\r\n");
        struct rlimit old {};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit tiny = old;
        tiny.rlim_cur = 8;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
        const bool written = ReadingFileAccess::write(path, anna());
        ::setrlimit(RLIMIT_FSIZE, &old);
        ::signal(SIGXFSZ, oldHandler);
        QVERIFY(!written);
        QCOMPARE(fileContent(path), QByteArray("earlier\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.tib"});
    }

    void thingsThatAreNoFiles_readAsEmpty()
    {
        QTemporaryDir dir;
        const QStringList empty{"", "Female", "0", "", "0"};
        QCOMPARE(fields(ReadingFileAccess::read(dir.path())), empty);                   // a directory
        QCOMPARE(fields(ReadingFileAccess::read(dir.filePath("vanished.tib"))), empty);  // gone
        const QString fifo = dir.filePath("pipe.tib");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(fields(ReadingFileAccess::read(fifo)), empty);  // would block on open without a writer
        if (!runningAsRoot()) {
            const QString locked = dir.filePath("locked.tib");
            writeBytes(locked, ReadingFile::contentFor(anna()));
            QFile::setPermissions(locked, QFileDevice::WriteOwner);
            QCOMPARE(fields(ReadingFileAccess::read(locked)), empty);
        }
    }
};

QTEST_APPLESS_MAIN(TestReadingFileUnix)
#include "tst_readingfile_unix.moc"
