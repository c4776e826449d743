#include "platform/InstanceLock.h"

#include "platform/windows/SessionName.h"

#include <QStandardPaths>

#include <windows.h>

InstanceLock::~InstanceLock()
{
    if (held())
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
}

QString InstanceLock::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
           + QStringLiteral("/zarvo-tibetan-astrology.lock");
}

bool InstanceLock::acquire()
{
    if (held())
        return true;
    // The session's own namespace: another user's session has a mutex of its own.
    HANDLE mutex = CreateMutexW(nullptr, FALSE, sessionName(m_path, "lock").c_str());
    if (!mutex)
        return true;  // no guard to be had: better to run than to refuse
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    m_handle = reinterpret_cast<qintptr>(mutex);
    return true;
}
