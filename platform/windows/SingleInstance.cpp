// One running copy per user on Windows: a mutex in the user's session, and a hidden
// message window through which a later start hands over a reading file as WM_COPYDATA.
// Windows are reachable only from the same desktop, so other users are not heard.
#include "app/SingleInstance.h"

#include "platform/InstanceLock.h"
#include "platform/windows/HandOffClient.h"
#include "platform/windows/HandOffServer.h"

struct SingleInstance::Private
{
    explicit Private(const QString& lockFilePath) : lock(lockFilePath) {}

    InstanceLock lock;
    // Declared after the lock, so it goes first: a new holder never finds our window.
    HandOffServer server;
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
    if (!d->lock.held())
        return false;
    return d->server.listen(m_path, std::move(handler));
}

bool SingleInstance::handOff(const QString& path, int timeoutMs) const
{
    return HandOffClient(m_path).handOff(path, timeoutMs);
}
