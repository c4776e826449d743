#pragma once

#include <QString>

// A later start's side of the hand-over: sends a path as WM_COPYDATA to the running
// copy's message window, named after the lock file.
class HandOffClient
{
public:
    explicit HandOffClient(const QString& lockFilePath);

    // True once the running copy has taken the path.
    bool handOff(const QString& path, int timeoutMs) const;

private:
    QString m_lockFilePath;
};
