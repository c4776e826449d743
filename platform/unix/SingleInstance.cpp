// One running copy per user on POSIX systems: an flock()ed lock file, and a Unix socket
// in a private folder beside it for the hand-over of reading files.
#include "app/SingleInstance.h"

#include "platform/InstanceLock.h"
#include "platform/unix/HandOffClient.h"
#include "platform/unix/HandOffServer.h"

#include <QFileInfo>

#include <unistd.h>

struct SingleInstance::Private
{
    explicit Private(const QString& lockFilePath) : lock(lockFilePath) {}

    InstanceLock lock;
    // Declared after the lock, so it goes first: a new holder never finds our socket.
    std::unique_ptr<HandOffServer> server;
};

SingleInstance::SingleInstance(const QString& lockFilePath)
    : m_path(lockFilePath)
    , d(std::make_unique<Private>(lockFilePath))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultLockFilePath()
{
    return InstanceLock::defaultPath();
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
    return d->lock.acquire();
}

bool SingleInstance::peerIsSameUser(int socketDescriptor)
{
    return HandOffServer::peerIsSameUser(socketDescriptor);
}

bool SingleInstance::listen(ReadingHandler handler)
{
    if (!d->lock.held() || d->server)
        return false;
    auto server = std::make_unique<HandOffServer>(std::move(handler));
    if (!server->listen(socketFolder(), socketPath()))
        return false;
    d->server = std::move(server);
    return true;
}

void SingleInstance::takeConnection(int socket)
{
    if (!d->server) {
        ::close(socket);  // nobody listens for it
        return;
    }
    d->server->takeConnection(socket);
}

bool SingleInstance::handOff(const QString& path, int timeoutMs) const
{
    return HandOffClient(socketFolder(), socketPath()).handOff(path, timeoutMs);
}
