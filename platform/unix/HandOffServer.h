#pragma once

#include "platform/SingleInstance.h"

#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

// The running copy's side of the hand-over: a Unix socket in the private folder,
// watched from the event loop. Only processes of the same user are heard, and a few
// connections at a time are kept.
class HandOffServer
{
public:
    // Named after the lock file (HandOffPaths.h).
    HandOffServer(const QString& lockFilePath, SingleInstance::ReadingHandler handler);
    // Closes the socket and removes it from its folder.
    ~HandOffServer();
    HandOffServer(const HandOffServer&) = delete;
    HandOffServer& operator=(const HandOffServer&) = delete;

    // Listens at the socket in the private folder, made when missing. False when it cannot.
    bool listen();

    // Hands one connected socket over as if it had been accepted; one from another
    // user is closed unread.
    void takeConnection(int socket);
    // Whether the peer of a connected local socket runs as this process's user.
    static bool peerIsSameUser(int socketDescriptor);

private:
    void acceptConnections();

    SingleInstance::ReadingHandler m_handler;
    QString m_lockFilePath;
    int m_listenFd = -1;
    // Parent of the listening socket's notifier and of every open connection.
    std::unique_ptr<QObject> m_listener = std::make_unique<QObject>();
    QSocketNotifier* m_listenNotifier = nullptr;
};
