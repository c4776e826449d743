#pragma once

#include <QString>

#include <functional>
#include <memory>

class QObject;
class QSocketNotifier;

// Only one copy of the program runs at a time. The guard is an exclusive lock on a
// per-user file named after the program; the system releases it whenever the
// process ends, also after a crash or kill -9, so the next start always works.
//
// The copy that holds the lock also listens on a local socket, through which a later
// start hands over a reading file to open. The socket lies in a folder beside the
// lock that only its user may enter, and a connection from a process of another user
// is dropped unread; a few connections at a time are kept, and idle ones are dropped. The socket is a plain Unix socket watched by the event loop: the
// program links no network library for it.
class SingleInstance
{
public:
    using ReadingHandler = std::function<void(const QString& path)>;

    explicit SingleInstance(const QString& lockFilePath = defaultLockFilePath());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this process now holds the lock; false when another copy holds it.
    bool acquire();
    // Once the lock is held: passes every path that a later start hands over to the
    // handler, from the event loop. False when the socket cannot be set up.
    bool listen(ReadingHandler handler);
    // For a start that did not get the lock: gives the path to the copy that holds
    // it. True once that copy has taken it.
    bool handOff(const QString& path, int timeoutMs = 5000) const;

    static QString defaultLockFilePath();
    // The private folder and the socket in it, named after the lock file.
    QString socketFolder() const;
    QString socketPath() const;
    // True when the peer of a connected local socket runs as this process's user.
    static bool peerIsSameUser(int socketDescriptor);
    // Takes one connected socket as the listening socket hands it over: a connection
    // from another user is closed unread.
    void takeConnection(int socket);

private:
    void acceptConnections();

    QString m_path;
    int m_fd = -1;
    int m_listenFd = -1;
    // Parent of the listening socket's notifier and of every open connection.
    std::unique_ptr<QObject> m_listener;
    QSocketNotifier* m_listenNotifier = nullptr;
    ReadingHandler m_handler;
};
