#include "platform/unix/HandOffClient.h"

#include "platform/LocalFiles.h"
#include "platform/unix/HandOffMessage.h"
#include "platform/unix/HandOffPaths.h"
#include "platform/unix/PrivateFolder.h"

#include <QDeadlineTimer>
#include <QScopeGuard>
#include <QThread>

#include <cerrno>
#include <climits>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

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

} // namespace

HandOffClient::HandOffClient(const QString& lockFilePath)
    : m_lockFilePath(lockFilePath)
{
}

int HandOffClient::connectBefore(const QDeadlineTimer& deadline) const
{
    // The copy that holds the lock may not be listening yet when it has just started,
    // as when a file manager starts the program for two files at once.
    for (;;) {
        const PrivateFolder folder(HandOffPaths::folder(m_lockFilePath), false);
        if (folder.isOpen()) {
            sockaddr_un address;
            if (!folder.socketAddress(HandOffPaths::socket(m_lockFilePath), address))
                return -1;
            const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
            if (socket < 0)
                return -1;
            if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
                return socket;
            ::close(socket);
        }
        if (deadline.hasExpired())
            return -1;
        QThread::msleep(50);
    }
}

bool HandOffClient::handOff(const QString& path, int timeoutMs) const
{
    if (path.isEmpty())
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    const int socket = connectBefore(deadline);
    if (socket < 0)
        return false;
    const auto closeSocket = qScopeGuard([socket] { ::close(socket); });
    QByteArray message = LocalFiles::toBytes(path) + HandOffMessage::Terminator;
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
    while (!reply.contains(HandOffMessage::Terminator)) {
        if (!waitFor(socket, POLLIN, deadline))
            return false;
        char buffer[16];
        const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
        if (got == 0 || (got < 0 && errno != EINTR && errno != EAGAIN))
            return false;
        if (got > 0)
            reply.append(buffer, got);
        if (reply.size() > HandOffMessage::Accepted.size())
            return false;
    }
    return reply == HandOffMessage::Accepted;
}
