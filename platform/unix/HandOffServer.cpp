#include "platform/unix/HandOffServer.h"

#include "platform/unix/HandOffConnection.h"
#include "platform/unix/HandOffPaths.h"
#include "platform/unix/PrivateFolder.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// At most this many connections are open at a time; a new one takes the place of the
// oldest, so that a flood of idle connections neither uses up the process's files nor
// keeps a later start out for long.
constexpr int MaxConnections = 32;
// After the process has run out of files, the listening socket rests this long instead
// of waking the event loop again and again.
constexpr int ListenPauseMs = 250;

} // namespace

HandOffServer::HandOffServer(const QString& lockFilePath, SingleInstance::ReadingHandler handler)
    : m_handler(std::move(handler))
    , m_lockFilePath(lockFilePath)
{
}

HandOffServer::~HandOffServer()
{
    m_listener.reset();
    if (m_listenFd >= 0) {
        ::close(m_listenFd);
        ::unlink(QFile::encodeName(HandOffPaths::socket(m_lockFilePath)).constData());
    }
}

bool HandOffServer::listen()
{
    if (m_listenFd >= 0)
        return false;
    const PrivateFolder privateFolder(HandOffPaths::folder(m_lockFilePath), true);
    if (!privateFolder.isOpen())
        return false;
    sockaddr_un address;
    if (!privateFolder.socketAddress(HandOffPaths::socket(m_lockFilePath), address))
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
    m_listenFd = socket;
    m_listenNotifier = new QSocketNotifier(socket, QSocketNotifier::Read, m_listener.get());
    QObject::connect(m_listenNotifier, &QSocketNotifier::activated, m_listener.get(), [this] { acceptConnections(); });
    return true;
}

void HandOffServer::acceptConnections()
{
    for (;;) {
        const int socket = ::accept4(m_listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (socket >= 0) {
            takeConnection(socket);
            continue;
        }
        if (errno == EINTR || errno == ECONNABORTED)
            continue;
        if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
            // The waiting connection stays ready to accept; without a rest the event loop
            // would spin on it.
            m_listenNotifier->setEnabled(false);
            QTimer::singleShot(ListenPauseMs, m_listenNotifier,
                               [notifier = m_listenNotifier] { notifier->setEnabled(true); });
        }
        return;
    }
}

bool HandOffServer::peerIsSameUser(int socketDescriptor)
{
    struct ucred peer = {};
    socklen_t size = sizeof peer;
    if (::getsockopt(socketDescriptor, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || size != sizeof peer)
        return false;
    return peer.uid == ::geteuid();
}

void HandOffServer::takeConnection(int socket)
{
    if (!peerIsSameUser(socket)) {
        ::close(socket);
        return;
    }
    const QList<QObject*> open
        = m_listener->findChildren<QObject*>(HandOffConnection::markerName(), Qt::FindDirectChildrenOnly);
    if (open.size() >= MaxConnections)
        delete open.first();  // the oldest: children are kept in the order they came
    new HandOffConnection(socket, m_listener.get(), m_handler);
}
