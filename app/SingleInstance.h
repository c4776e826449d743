#pragma once

#include <QString>

// Only one copy of the program runs at a time. The guard is an exclusive lock on a
// per-user file named after the program; the system releases it whenever the
// process ends, also after a crash or kill -9, so the next start always works.
class SingleInstance
{
public:
    explicit SingleInstance(const QString& lockFilePath = defaultLockFilePath());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this process now holds the lock; false when another copy holds it.
    bool acquire();
    static QString defaultLockFilePath();

private:
    QString m_path;
    int m_fd = -1;
};
