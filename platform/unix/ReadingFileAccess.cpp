// Reading files on disk, on POSIX systems: reading without blocking on a FIFO.
#include "platform/ReadingFileAccess.h"

#include "files/ReadingFile.h"
#include "platform/LocalFiles.h"

#include <QBuffer>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ReadingFileAccess {

bool isReadOnly(const QString& path)
{
    // Checked on the permission bits too, so that it holds also for a user whom the
    // system would let write anything.
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return !(info.st_mode & S_IWUSR) || ::access(QFile::encodeName(path).constData(), W_OK) != 0;
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
