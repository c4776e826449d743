#pragma once

#include <QString>

#include <functional>
#include <memory>

// Only one copy of the program runs at a time, per user. The guard is held by the
// process that runs and released by the system whenever the process ends, also after a
// crash or kill -9, so the next start always works.
//
// The copy that holds the guard also listens for later starts, which hand over a
// reading file to open. Only processes of the same user are heard; a few connections
// at a time are kept, and idle ones are dropped.
//
// On POSIX systems the guard is an exclusive lock on a per-user file, and the copy
// listens on a plain Unix socket in a folder beside the lock that only its user may
// enter (platform/unix). On Windows the guard is a mutex of the user's session named
// after the lock file, and a later start hands over its file as a message to a window
// of the running copy, which only the same desktop can reach (platform/windows).
class SingleInstance
{
public:
    using ReadingHandler = std::function<void(const QString& path)>;

    explicit SingleInstance(const QString& lockFilePath = defaultLockFilePath());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this process now holds the guard; false when another copy holds it.
    bool acquire();
    // Once the guard is held: passes every path that a later start hands over to the
    // handler, from the event loop. False when listening cannot be set up.
    bool listen(ReadingHandler handler);
    // For a start that did not get the guard: gives the path to the copy that holds
    // it. True once that copy has taken it.
    bool handOff(const QString& path, int timeoutMs = 5000) const;

    static QString defaultLockFilePath();

private:
    struct Private;
    QString m_path;
    std::unique_ptr<Private> d;
};
