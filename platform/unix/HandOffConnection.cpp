#include "platform/unix/HandOffConnection.h"

#include "platform/unix/HandOffMessage.h"
#include "platform/LocalFiles.h"

#include <QTimer>

#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Longer than any path the system accepts.
constexpr qsizetype MaxMessageBytes = 16 * 1024;
// A later start sends its path as soon as it has connected.
constexpr int IdleConnectionMs = 3000;

} // namespace

HandOffConnection::HandOffConnection(int socket, QObject* parent, SingleInstance::ReadingHandler onPath)
    : QObject(parent)
    , m_socket(socket)
    , m_onPath(std::move(onPath))
    , m_notifier(socket, QSocketNotifier::Read)
{
    setObjectName(markerName());
    connect(&m_notifier, &QSocketNotifier::activated, this, &HandOffConnection::readMore);
    QTimer::singleShot(IdleConnectionMs, this, &QObject::deleteLater);
}

HandOffConnection::~HandOffConnection()
{
    ::close(m_socket);
}

QString HandOffConnection::markerName()
{
    return QStringLiteral("handOffConnection");
}

void HandOffConnection::readMore()
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
    const qsizetype end = m_message.indexOf(HandOffMessage::Terminator);
    if (end < 0) {
        if (m_message.size() > MaxMessageBytes)
            finish();
        return;
    }
    const QString path = LocalFiles::fromBytes(m_message.left(end));
    m_notifier.setEnabled(false);
    // Opened from the event loop, not from inside this notifier's signal: opening
    // may show modal messages. The answer takes its turn after the opening has
    // begun, so that a later start that hears it knows its file is being opened.
    if (!path.isEmpty() && m_onPath)
        QTimer::singleShot(0, parent(), [onPath = m_onPath, path] { onPath(path); });
    QTimer::singleShot(0, this, [this] {
        // A few bytes into a fresh socket: the send does not block.
        ::send(m_socket, HandOffMessage::Accepted.constData(), size_t(HandOffMessage::Accepted.size()), MSG_NOSIGNAL);
        deleteLater();
    });
}

void HandOffConnection::finish()
{
    m_notifier.setEnabled(false);
    deleteLater();
}
