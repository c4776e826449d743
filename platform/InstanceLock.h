#pragma once

#include <QString>

// The guard of the one running copy: an exclusive lock on a file of this user's on
// POSIX systems (platform/unix), a mutex of the user's session named after that file on
// Windows (platform/windows). The system releases it whenever the process ends, also
// after a crash.
class InstanceLock
{
public:
    explicit InstanceLock(const QString& path) : m_path(path) {}
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process now holds the lock, or when there is no lock to be had:
    // better to run than to refuse.
    bool acquire();
    bool held() const { return m_handle != NotHeld; }

    static QString defaultPath();

private:
    static constexpr qintptr NotHeld = -1;

    QString m_path;
    // The locked file's descriptor on POSIX systems, the mutex's handle on Windows.
    qintptr m_handle = NotHeld;
};
