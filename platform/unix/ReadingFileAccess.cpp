// Reading files on disk, on POSIX systems: the atomic replacement, the writing in place
// where a folder allows no replacement, and reading without blocking on a FIFO.
#include "platform/ReadingFileAccess.h"

#include "files/ReadingFile.h"
#include "files/WriteAll.h"
#include "platform/LocalFiles.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QScopeGuard>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ReadingFileAccess {

namespace {

QString notAPlainFile()
{
    return QCoreApplication::translate("ReadingFile", "it is not a plain file");
}

// Writes bytes from the start of the file; errno tells why it failed.
bool writeAllAt(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        done += written;
    }
    return true;
}

bool readAllAt(int fd, qsizetype size, QByteArray& bytes)
{
    bytes.resize(size);
    qsizetype done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, bytes.data() + done, size_t(size - done), off_t(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        done += got;
    }
    bytes.truncate(done);
    return true;
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Overwrites the file that write() examined, where it stands. Never follows a link and
// never makes a file. Room for the new content is reserved before a byte changes, so
// that a full disk or a file size limit leaves the old content whole; any later failure
// puts the old content back.
bool writeInPlace(const QByteArray& path, const struct stat& examined, const QByteArray& content, QString& reason)
{
    const int fd = ::open(path.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = errno == ELOOP ? notAPlainFile() : qt_error_string(errno);
        return false;
    }
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    struct stat now {};
    if (::fstat(fd, &now) != 0 || !S_ISREG(now.st_mode) || !sameFile(now, examined)) {
        reason = notAPlainFile();
        return false;
    }
    QByteArray old;
    if (!readAllAt(fd, qsizetype(now.st_size), old)) {
        reason = qt_error_string(errno);
        return false;
    }
    const auto fail = [&](int error) {
        reason = qt_error_string(error);
        // Whatever happened to the first bytes, the old content goes back in full.
        if (writeAllAt(fd, old))
            (void)::ftruncate(fd, off_t(old.size()));
        return false;
    };
    if (content.size() > old.size()) {
        const int error = ::posix_fallocate(fd, 0, off_t(content.size()));
        if (error != 0) {
            (void)::ftruncate(fd, off_t(old.size()));
            reason = qt_error_string(error);
            return false;
        }
    }
    if (!writeAllAt(fd, content))
        return fail(errno);
    if (content.size() < old.size() && ::ftruncate(fd, off_t(content.size())) != 0)
        return fail(errno);
    if (::fsync(fd) != 0)
        return fail(errno);
    return true;
}

// Whether the path still names what write() examined: the same file, or still nothing.
// QSaveFile follows a link that appeared in between; such a save is given up.
bool unchanged(const QByteArray& path, bool existed, const struct stat& examined)
{
    struct stat now {};
    if (::lstat(path.constData(), &now) != 0)
        return !existed;
    return existed && S_ISREG(now.st_mode) && sameFile(now, examined);
}

bool replace(const QString& path, bool exists, const struct stat& examined, const QByteArray& content,
             QString& reason)
{
    const QByteArray nativePath = QFile::encodeName(path);
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk) shows at once; a buffered flush
    // may hide it and commit a truncated file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // No new file can be made beside the old one (someone else's folder): the old
        // one is written where it stands.
        if (exists)
            return writeInPlace(nativePath, examined, content, reason);
        reason = file.errorString();
        return false;
    }
    if (!unchanged(nativePath, exists, examined)) {
        file.cancelWriting();
        reason = notAPlainFile();
        return false;
    }
    if (!ReadingFile::writeAll(file, content)) {
        reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (file.commit())
        return true;
    // A sticky folder lets only the owner of a file (or of the folder) replace it;
    // another user whom the file lets write may still write it in place.
    if (exists && file.error() == QFileDevice::RenameError)
        return writeInPlace(nativePath, examined, content, reason);
    reason = file.errorString();
    return false;
}

} // namespace

bool isReadOnly(const QString& path)
{
    // Checked on the permission bits too, so that it holds also for a user whom the
    // system would let write anything.
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return !(info.st_mode & S_IWUSR) || ::access(QFile::encodeName(path).constData(), W_OK) != 0;
}

bool write(const QString& path, const BirthData& birthData, QString* reason)
{
    QString why;
    // A link in the file's place is not followed: whoever may write the folder may have
    // put it there while the user was asked about the file.
    struct stat existing {};
    const bool exists = ::lstat(QFile::encodeName(path).constData(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        why = notAPlainFile();
    else if (exists && isReadOnly(path))
        why = QCoreApplication::translate("ReadingFile", "the file is read-only");
    else if (replace(path, exists, existing, ReadingFile::contentFor(birthData), why))
        return true;
    if (reason)
        *reason = why;
    return false;
}

BirthData read(const QString& path)
{
    // Open without blocking and accept only a regular file, so that a FIFO, a device
    // or a directory reads as an empty file instead of hanging.
    const int fd = ::open(LocalFiles::toBytes(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    QFile file;
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        QBuffer nothing;
        nothing.open(QIODevice::ReadOnly);
        return ReadingFile::readFrom(nothing);
    }
    return ReadingFile::readFrom(file);
}

} // namespace ReadingFileAccess
