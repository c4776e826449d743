#pragma once

#include <QString>

class QDeadlineTimer;

// A later start's side of the hand-over: connects to the running copy's socket in its
// private folder, sends a path and waits for the answer.
class HandOffClient
{
public:
    // Named after the lock file (HandOffPaths.h).
    explicit HandOffClient(const QString& lockFilePath);

    // True once the running copy has taken the path.
    bool handOff(const QString& path, int timeoutMs) const;

private:
    // The connected socket, or -1 when the running copy could not be reached in time.
    int connectBefore(const QDeadlineTimer& deadline) const;

    QString m_lockFilePath;
};
