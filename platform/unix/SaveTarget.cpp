// Saving on POSIX systems: the folder is reached one name at a time from the root and
// held open, and the whole save is done relative to it, so that no name swapped by
// another user (a folder for a link, the file for a link) can send the bytes elsewhere.
#include "platform/SaveTarget.h"

#include "files/InPlaceWrite.h"
#include "platform/FileReason.h"
#include "platform/LocalFiles.h"
#include "SaveSteps.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <cerrno>
#include <deque>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

struct SaveTarget::Folder
{
    int fd = -1;
    QByteArray name;  // of the file in the folder
    ~Folder()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

namespace {

QString errorText(int error)
{
    return qt_error_string(error);
}

std::deque<QByteArray> namesOf(const QByteArray& path)
{
    std::deque<QByteArray> names;
    for (const QByteArray& name : path.split('/')) {
        if (!name.isEmpty() && name != ".")
            names.push_back(name);
    }
    return names;
}

// A link is followed only where no other user could have made or swapped it: in a
// folder that no one else may write, or, in a sticky folder such as /tmp, when the link
// is the user's own or the system's.
bool linkTrusted(int folder, const struct stat& link)
{
    struct stat info {};
    if (::fstat(folder, &info) != 0)
        return false;
    const uid_t me = ::geteuid();
    const bool othersMayWrite = (info.st_uid != me && info.st_uid != 0) || (info.st_mode & (S_IWGRP | S_IWOTH));
    if (!othersMayWrite)
        return true;
    return (info.st_mode & S_ISVTX) && (link.st_uid == me || link.st_uid == 0);
}

// Opens the folder at path one name at a time, following ".." and links as the file
// system has them, as the shell would, but a link only where linkTrusted() allows.
int openFolder(const QByteArray& path, QString& reason)
{
    std::deque<QByteArray> names = namesOf(path);
    int fd = ::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC);
    int linksFollowed = 0;
    while (fd >= 0 && !names.empty()) {
        const QByteArray name = names.front();
        names.pop_front();
        const int next = ::openat(fd, name.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next >= 0) {
            ::close(fd);
            fd = next;
            continue;
        }
        const int error = errno;
        struct stat link {};
        if (::fstatat(fd, name.constData(), &link, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISLNK(link.st_mode)) {
            reason = errorText(error);
            break;
        }
        if (!linkTrusted(fd, link)) {
            reason = QCoreApplication::translate("ReadingFile",
                                                 "a folder on the way is a link that another user could have changed");
            break;
        }
        QByteArray target(4096, '\0');
        const ssize_t length = ::readlinkat(fd, name.constData(), target.data(), size_t(target.size()));
        if (++linksFollowed > 40 || length <= 0 || length >= target.size()) {
            reason = errorText(length < 0 ? errno : ELOOP);
            break;
        }
        target.truncate(length);
        const std::deque<QByteArray> targetNames = namesOf(target);
        names.insert(names.begin(), targetNames.begin(), targetNames.end());
        if (target.startsWith('/')) {
            ::close(fd);
            fd = ::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC);
        }
    }
    if (fd >= 0 && reason.isEmpty())
        return fd;
    if (fd >= 0)
        ::close(fd);
    else if (reason.isEmpty())
        reason = errorText(errno);
    return -1;
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A file opened for writing in place, with the steps InPlaceWrite takes.
class OpenFile : public InPlaceWrite::File
{
public:
    explicit OpenFile(int fd) : m_fd(fd) {}

    bool readAtMost(qsizetype limit, QByteArray& bytes) override
    {
        bytes.clear();
        char chunk[65536];
        while (bytes.size() <= limit) {
            const ssize_t got = ::pread(m_fd, chunk, sizeof chunk, off_t(bytes.size()));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return failed();
            if (got == 0)
                break;
            bytes.append(chunk, got);
        }
        return true;
    }
    bool reserve(qint64 size) override
    {
        const int error = ::posix_fallocate(m_fd, 0, off_t(size));
        return error == 0 || failed(error);
    }
    bool writeFromStart(const QByteArray& bytes) override
    {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t written = ::pwrite(m_fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(done));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return failed(written == 0 ? EIO : errno);
            done += written;
        }
        return true;
    }
    bool truncate(qint64 size) override { return ::ftruncate(m_fd, off_t(size)) == 0 || failed(); }
    bool sync() override { return ::fsync(m_fd) == 0 || failed(); }
    QString errorString() const override { return errorText(m_error); }
    int error() const { return m_error; }

private:
    bool failed(int error = errno)
    {
        m_error = error;
        return false;
    }

    int m_fd;
    int m_error = 0;
};

} // namespace

bool SaveSteps::writeInPlace(int folder, const QByteArray& name, const struct stat& examined, const QByteArray& content,
                  qsizetype largestOld, QString& reason)
{
    const int fd = ::openat(folder, name.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = errno == ELOOP ? FileReason::notAPlainFile() : errorText(errno);
        return false;
    }
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    struct stat now {};
    if (::fstat(fd, &now) != 0 || !S_ISREG(now.st_mode) || !sameFile(now, examined)) {
        reason = FileReason::notAPlainFile();
        return false;
    }
    OpenFile file(fd);
    return InPlaceWrite::replaceContent(file, content, largestOld, reason);
}

namespace {

// Writes content into a new file beside the old one and puts it in the old one's place
// in one step. Empty when it was done; the error that stopped it otherwise, after which
// nothing of it is left in the folder.
int replaceAtomically(int folder, const QByteArray& name, bool exists, const struct stat& examined,
                      const QByteArray& content)
{
    // A name no one else has, in the folder and hidden, as the old file's sibling.
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = '.' + name.left(200) + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::openat(folder, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return errno;
    }
    if (fd < 0)
        return EEXIST;
    int error = 0;
    // The new file keeps the old one's permissions, as the user set them.
    if (exists && ::fchmod(fd, examined.st_mode & 07777) != 0 && errno != EPERM)
        error = errno;
    OpenFile file(fd);
    if (error == 0 && !(file.writeFromStart(content) && file.sync()))
        error = file.error();
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::renameat(folder, temporary.constData(), folder, name.constData()) != 0)
        error = errno;
    if (error != 0)
        ::unlinkat(folder, temporary.constData(), 0);
    return error;
}

} // namespace

SaveTarget SaveTarget::open(const QString& path)
{
    SaveTarget target;
    // Not cleaned as text: ".." beyond a link is the link target's parent.
    target.m_path = QDir::isAbsolutePath(path) ? path : QDir::currentPath() + u'/' + path;
    const qsizetype slash = target.m_path.lastIndexOf(u'/');
    auto folder = std::make_shared<Folder>();
    folder->name = LocalFiles::toBytes(target.m_path.mid(slash + 1));
    if (folder->name.isEmpty() || folder->name == "." || folder->name == "..") {
        target.m_failure = FileReason::notAPlainFile();
        return target;
    }
    folder->fd = openFolder(LocalFiles::toBytes(target.m_path.left(slash)), target.m_failure);
    if (folder->fd >= 0)
        target.m_folder = folder;
    return target;
}

bool SaveTarget::exists() const
{
    struct stat info {};
    return m_folder && ::fstatat(m_folder->fd, m_folder->name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

bool SaveTarget::write(const QByteArray& content, qsizetype largestReplacedInPlace, QString* reason) const
{
    QString why = m_failure;
    if (!m_folder) {
        if (reason)
            *reason = why.isEmpty() ? errorText(ENOENT) : why;
        return false;
    }
    const int folder = m_folder->fd;
    const QByteArray& name = m_folder->name;
    struct stat existing {};
    const bool exists = ::fstatat(folder, name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
    // Checked on the permission bits too, so that it holds also for a user whom the
    // system would let write anything.
    if (exists && !S_ISREG(existing.st_mode)) {
        why = FileReason::notAPlainFile();
    } else if (exists
               && (!(existing.st_mode & S_IWUSR) || ::faccessat(folder, name.constData(), W_OK, AT_EACCESS) != 0)) {
        why = FileReason::readOnly();
    } else {
        const int error = replaceAtomically(folder, name, exists, existing, content);
        if (error == 0)
            return true;
        // No new file can be made beside the old one (someone else's folder), or a
        // sticky folder lets only the owner of a file replace it: a user whom the file
        // lets write may still write it where it stands.
        if (exists && (error == EACCES || error == EPERM)) {
            if (SaveSteps::writeInPlace(folder, name, existing, content, largestReplacedInPlace, why))
                return true;
        } else {
            why = errorText(error);
        }
    }
    if (reason)
        *reason = why;
    return false;
}
