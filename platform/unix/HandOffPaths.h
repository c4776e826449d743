#pragma once

#include <QFileInfo>
#include <QString>

// Where the hand-over socket lies: in a private folder beside the lock file, named after
// it ("zarvo.lock" gives the folder "zarvo" and the socket "zarvo/reading").
namespace HandOffPaths {

inline QString folder(const QString& lockFilePath)
{
    const QFileInfo lock(lockFilePath);
    return lock.path() + QLatin1Char('/') + lock.completeBaseName();
}

inline QString socket(const QString& lockFilePath)
{
    return folder(lockFilePath) + QStringLiteral("/reading");
}

} // namespace HandOffPaths
