#include "app/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A path is sent as its UTF-8 bytes ended by a NUL, which no path can hold; the
// running copy answers "ok" and a NUL once it has taken it.
constexpr char Terminator = '\0';
const QByteArray Accepted = QByteArrayLiteral("ok") + Terminator;
// Longer than any path the system accepts.
constexpr qsizetype MaxMessageBytes = 16 * 1024;
// A connection that does not finish its message in this time is dropped.
constexpr int IdleConnectionMs = 10000;

// The folder must be a real folder of this user that nobody else may enter; one
// that an attacker prepared (another owner, wider rights, a symbolic link) is refused.
bool privateFolder(const QString& folder, bool create)
{
    const QByteArray name = QFile::encodeName(folder);
    if (create)
        ::mkdir(name.constData(), 0700);
    struct stat info = {};
    if (::lstat(name.constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

} // namespace

SingleInstance::SingleInstance(const QString& lockFilePath)
    : m_path(lockFilePath)
{
}

SingleInstance::~SingleInstance()
{
    // The socket goes before the lock, so that a new holder never finds ours.
    m_server.reset();
    if (m_fd >= 0)
        ::close(m_fd);
}

QString SingleInstance::defaultLockFilePath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/zarvo-tibetan-astrology.lock");
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
    if (m_fd >= 0)
        return true;
    // Close-on-exec keeps a browser started by us from inheriting the lock.
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true;  // no place for a lock: better to run than to refuse
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool heldElsewhere = errno == EWOULDBLOCK;
        ::close(fd);
        return !heldElsewhere;
    }
    m_fd = fd;
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
    if (m_fd < 0 || m_server)
        return false;
    if (!privateFolder(socketFolder(), true))
        return false;
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket left in the folder belongs to a copy that died.
    QLocalServer::removeServer(socketPath());
    if (!server->listen(socketPath()))
        return false;
    m_handler = std::move(handler);
    QLocalServer* raw = server.get();
    QObject::connect(raw, &QLocalServer::newConnection, raw, [this, raw] {
        while (QLocalSocket* socket = raw->nextPendingConnection())
            takeConnection(socket);
    });
    m_server = std::move(server);
    return true;
}

void SingleInstance::takeConnection(QLocalSocket* socket)
{
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    if (!peerIsSameUser(int(socket->socketDescriptor()))) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    QTimer::singleShot(IdleConnectionMs, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    auto message = std::make_shared<QByteArray>();
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket, message] {
        message->append(socket->readAll());
        const qsizetype end = message->indexOf(Terminator);
        if (end < 0) {
            if (message->size() > MaxMessageBytes) {
                socket->abort();
                socket->deleteLater();
            }
            return;
        }
        const QString path = QString::fromUtf8(message->left(end));
        socket->write(Accepted);
        socket->disconnectFromServer();
        if (path.isEmpty() || !m_handler)
            return;
        // Opened from the event loop, not from inside this socket's signal: opening
        // may show modal messages.
        QTimer::singleShot(0, m_server.get(), [handler = m_handler, path] { handler(path); });
    });
}

bool SingleInstance::handOff(const QString& path, int timeoutMs) const
{
    if (path.isEmpty())
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // The copy that holds the lock may not be listening yet when it has just started,
    // as when a file manager starts the program for two files at once.
    for (;;) {
        if (privateFolder(socketFolder(), false)) {
            socket.connectToServer(socketPath());
            if (socket.waitForConnected(int(deadline.remainingTime())))
                break;
        }
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    socket.write(path.toUtf8() + Terminator);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    QByteArray reply;
    while (!reply.contains(Terminator)) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
        reply += socket.readAll();
        if (reply.size() > Accepted.size())
            return false;
    }
    return reply == Accepted;
}
