// One running copy per user: the guard and the two sides of the hand-over, each named
// after the lock file, come from the system's own folder.
#include "platform/SingleInstance.h"

#include "platform/InstanceLock.h"

#include "HandOffClient.h"
#include "HandOffServer.h"

struct SingleInstance::Private
{
    explicit Private(const QString& lockFilePath) : lock(lockFilePath) {}

    InstanceLock lock;
    // Declared after the lock, so it goes first: a new holder never finds our server.
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

bool SingleInstance::acquire()
{
    return d->lock.acquire();
}

bool SingleInstance::listen(ReadingHandler handler)
{
    if (!d->lock.held() || d->server)
        return false;
    auto server = std::make_unique<HandOffServer>(m_path, std::move(handler));
    if (!server->listen())
        return false;
    d->server = std::move(server);
    return true;
}

bool SingleInstance::handOff(const QString& path, int timeoutMs) const
{
    return HandOffClient(m_path).handOff(path, timeoutMs);
}
