// One running copy per user on POSIX systems: an flock()ed lock file, and a Unix socket
// in a private folder beside it for the hand-over of reading files.
#include "app/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A path is sent as its UTF-8 bytes ended by a NUL, which no path can hold; the
// running copy answers "ok" and a NUL once it has taken it.
constexpr char Terminator = '\0';
const QByteArray Accepted = QByteArrayLiteral("ok") + Terminator;
// Longer than any path the system accepts.
constexpr qsizetype MaxMessageBytes = 16 * 1024;
// A connection that does not finish its message in this time is dropped. A later start
// sends its path as soon as it has connected.
constexpr int IdleConnectionMs = 3000;
// At most this many connections are open at a time; a new one takes the place of the
// oldest, so that a flood of idle connections neither uses up the process's files nor
// keeps a later start out for long.
constexpr int MaxConnections = 32;
// After the process has run out of files, the listening socket rests this long instead
// of waking the event loop again and again.
constexpr int ListenPauseMs = 250;

// The folder must be a real folder of this user that nobody else may enter; one
// that an attacker prepared (another owner, wider rights, a symbolic link) is refused.
// Returns the open folder, or -1.
int openPrivateFolder(const QString& folder, bool create)
{
    const QByteArray name = QFile::encodeName(folder);
    if (create)
        ::mkdir(name.constData(), 0700);
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat info = {};
    if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid()
        && (info.st_mode & 077) == 0)
        return fd;
    if (fd >= 0)
        ::close(fd);
    return -1;
}

// The address of the socket in the open folder. Where the folder's path leaves no room
// for the socket's name in an address (a long runtime folder), the folder is reached
// through the process's own handle on it.
bool socketAddress(const QString& socketPath, int folder, sockaddr_un& address)
{
    QByteArray name = QFile::encodeName(socketPath);
    if (size_t(name.size()) >= sizeof address.sun_path)
        name = "/proc/self/fd/" + QByteArray::number(folder) + '/' + QFile::encodeName(QFileInfo(socketPath).fileName());
    address = {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || size_t(name.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return true;
}

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

// Waits until the socket is ready for the events or the deadline has passed.
bool waitFor(int socket, short events, const QDeadlineTimer& deadline)
{
    pollfd entry = {socket, events, 0};
    for (;;) {
        const int result = ::poll(&entry, 1, int(qMin<qint64>(deadline.remainingTime(), INT_MAX)));
        if (result > 0)
            return true;
        if (result == 0 || errno != EINTR)
            return false;
    }
}

// One connection of a later start to the copy that listens. It reads a path up to the
// terminator, answers and closes; the handler gets the path from the event loop.
class Connection : public QObject
{
public:
    Connection(int socket, QObject* parent, SingleInstance::ReadingHandler onPath)
        : QObject(parent), m_socket(socket), m_onPath(std::move(onPath)), m_notifier(socket, QSocketNotifier::Read)
    {
        setObjectName(QStringLiteral("handOffConnection"));
        connect(&m_notifier, &QSocketNotifier::activated, this, &Connection::readMore);
        QTimer::singleShot(IdleConnectionMs, this, &QObject::deleteLater);
    }
    ~Connection() override { ::close(m_socket); }

private:
    void readMore()
    {
        char buffer[4096];
        const ssize_t got = ::recv(m_socket, buffer, sizeof buffer, 0);
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            return;
        if (got <= 0) {
            finish();
            return;
        }
        m_message.append(buffer, got);
        const qsizetype end = m_message.indexOf(Terminator);
        if (end < 0) {
            if (m_message.size() > MaxMessageBytes)
                finish();
            return;
        }
        const QString path = QString::fromUtf8(m_message.left(end));
        m_notifier.setEnabled(false);
        // Opened from the event loop, not from inside this notifier's signal: opening
        // may show modal messages. The answer takes its turn after the opening has
        // begun, so that a later start that hears it knows its file is being opened.
        if (!path.isEmpty() && m_onPath)
            QTimer::singleShot(0, parent(), [onPath = m_onPath, path] { onPath(path); });
        QTimer::singleShot(0, this, [this] {
            // A few bytes into a fresh socket: the send does not block.
            ::send(m_socket, Accepted.constData(), size_t(Accepted.size()), MSG_NOSIGNAL);
            deleteLater();
        });
    }

    void finish()
    {
        m_notifier.setEnabled(false);
        deleteLater();
    }

    int m_socket;
    SingleInstance::ReadingHandler m_onPath;
    QSocketNotifier m_notifier;
    QByteArray m_message;
};

} // namespace

struct SingleInstance::Private
{
    void acceptConnections();

    SingleInstance* q = nullptr;
    int lockFd = -1;
    int listenFd = -1;
    // Parent of the listening socket's notifier and of every open connection.
    std::unique_ptr<QObject> listener;
    QSocketNotifier* listenNotifier = nullptr;
    ReadingHandler handler;
};

SingleInstance::SingleInstance(const QString& lockFilePath)
    : m_path(lockFilePath)
    , d(std::make_unique<Private>())
{
    d->q = this;
}

SingleInstance::~SingleInstance()
{
    // The socket goes before the lock, so that a new holder never finds ours.
    d->listener.reset();
    if (d->listenFd >= 0) {
        ::close(d->listenFd);
        ::unlink(QFile::encodeName(socketPath()).constData());
    }
    if (d->lockFd >= 0)
        ::close(d->lockFd);
}

QString SingleInstance::defaultLockFilePath()
{
    return lockFolder() + QStringLiteral("/zarvo-tibetan-astrology.lock");
}

QString SingleInstance::socketFolder() const
{
    const QFileInfo lock(m_path);
    return lock.path() + QLatin1Char('/') + lock.completeBaseName();
}

QString SingleInstance::socketPath() const
{
    return socketFolder() + QStringLiteral("/reading");
}

bool SingleInstance::acquire()
{
    if (d->lockFd >= 0)
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
    d->lockFd = fd;
    return true;
}

bool SingleInstance::peerIsSameUser(int socketDescriptor)
{
    struct ucred peer = {};
    socklen_t size = sizeof peer;
    if (::getsockopt(socketDescriptor, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || size != sizeof peer)
        return false;
    return peer.uid == ::geteuid();
}

bool SingleInstance::listen(ReadingHandler handler)
{
    if (d->lockFd < 0 || d->listener)
        return false;
    const int folder = openPrivateFolder(socketFolder(), true);
    if (folder < 0)
        return false;
    const auto closeFolder = qScopeGuard([folder] { ::close(folder); });
    sockaddr_un address;
    if (!socketAddress(socketPath(), folder, address))
        return false;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    // We hold the lock, so a socket left in the folder belongs to a copy that died.
    ::unlink(address.sun_path);
    if (::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0
        || ::chmod(address.sun_path, 0600) != 0 || ::listen(socket, SOMAXCONN) != 0) {
        ::close(socket);
        return false;
    }
    d->listenFd = socket;
    d->handler = std::move(handler);
    d->listener = std::make_unique<QObject>();
    d->listenNotifier = new QSocketNotifier(socket, QSocketNotifier::Read, d->listener.get());
    QObject::connect(d->listenNotifier, &QSocketNotifier::activated, d->listener.get(), [this] { d->acceptConnections(); });
    return true;
}

void SingleInstance::Private::acceptConnections()
{
    for (;;) {
        const int socket = ::accept4(listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (socket >= 0) {
            q->takeConnection(socket);
            continue;
        }
        if (errno == EINTR || errno == ECONNABORTED)
            continue;
        if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
            // The waiting connection stays ready to accept; without a rest the event loop
            // would spin on it.
            listenNotifier->setEnabled(false);
            QTimer::singleShot(ListenPauseMs, listenNotifier, [notifier = listenNotifier] { notifier->setEnabled(true); });
        }
        return;
    }
}

void SingleInstance::takeConnection(int socket)
{
    if (!peerIsSameUser(socket)) {
        ::close(socket);
        return;
    }
    const QList<QObject*> open = d->listener->findChildren<QObject*>(QStringLiteral("handOffConnection"),
                                                                   Qt::FindDirectChildrenOnly);
    if (open.size() >= MaxConnections)
        delete open.first();  // the oldest: children are kept in the order they came
    new Connection(socket, d->listener.get(), d->handler);
}

bool SingleInstance::handOff(const QString& path, int timeoutMs) const
{
    if (path.isEmpty())
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    int socket = -1;
    const auto closeSocket = qScopeGuard([&socket] {
        if (socket >= 0)
            ::close(socket);
    });
    // The copy that holds the lock may not be listening yet when it has just started,
    // as when a file manager starts the program for two files at once.
    for (;;) {
        const int folder = openPrivateFolder(socketFolder(), false);
        if (folder >= 0) {
            const auto closeFolder = qScopeGuard([folder] { ::close(folder); });
            sockaddr_un address;
            if (!socketAddress(socketPath(), folder, address))
                return false;
            socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
            if (socket < 0)
                return false;
            if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
                break;
            ::close(socket);
            socket = -1;
        }
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    QByteArray message = path.toUtf8() + Terminator;
    while (!message.isEmpty()) {
        if (!waitFor(socket, POLLOUT, deadline))
            return false;
        const ssize_t sent = ::send(socket, message.constData(), size_t(message.size()), MSG_NOSIGNAL);
        if (sent < 0 && errno != EINTR && errno != EAGAIN)
            return false;
        if (sent > 0)
            message.remove(0, sent);
    }
    QByteArray reply;
    while (!reply.contains(Terminator)) {
        if (!waitFor(socket, POLLIN, deadline))
            return false;
        char buffer[16];
        const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
        if (got == 0 || (got < 0 && errno != EINTR && errno != EAGAIN))
            return false;
        if (got > 0)
            reply.append(buffer, got);
        if (reply.size() > Accepted.size())
            return false;
    }
    return reply == Accepted;
}
