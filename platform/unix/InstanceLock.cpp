#include "platform/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// A folder of this user's, where nobody else may write, for the lock: the runtime folder
// where the session has one of its own, otherwise the user's cache folder. The shared
// temporary folder would let another user take the lock's name first.
QString lockFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty())
            return runtime;
    }
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    QDir().mkpath(cache);
    return cache;
}

} // namespace

InstanceLock::~InstanceLock()
{
    if (held())
        ::close(int(m_handle));
}

QString InstanceLock::defaultPath()
{
    return lockFolder() + QStringLiteral("/zarvo-tibetan-astrology.lock");
}

bool InstanceLock::acquire()
{
    if (held())
        return true;
    // Close-on-exec keeps a browser started by us from inheriting the lock. A link in the
    // lock's place is not followed, lest the lock make a file elsewhere.
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return true;  // no place for a lock: better to run than to refuse
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool heldElsewhere = errno == EWOULDBLOCK;
        ::close(fd);
        return !heldElsewhere;
    }
    m_handle = fd;
    return true;
}
