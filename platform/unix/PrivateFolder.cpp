#include "platform/unix/PrivateFolder.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

PrivateFolder::PrivateFolder(const QString& path, bool create)
{
    const QByteArray name = QFile::encodeName(path);
    if (create)
        ::mkdir(name.constData(), 0700);
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat info = {};
    if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid()
        && (info.st_mode & 077) == 0) {
        m_fd = fd;
        return;
    }
    if (fd >= 0)
        ::close(fd);
}

PrivateFolder::~PrivateFolder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

// Where the folder's path leaves no room for the socket's name in an address (a long
// runtime folder), the folder is reached through the process's own handle on it.
bool PrivateFolder::socketAddress(const QString& socketPath, sockaddr_un& address) const
{
    QByteArray name = QFile::encodeName(socketPath);
    if (size_t(name.size()) >= sizeof address.sun_path)
        name = "/proc/self/fd/" + QByteArray::number(m_fd) + '/' + QFile::encodeName(QFileInfo(socketPath).fileName());
    address = {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || size_t(name.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return true;
}
