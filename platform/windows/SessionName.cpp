#include "platform/windows/SessionName.h"

#include <QCryptographicHash>
#include <QDir>

std::wstring sessionName(const QString& lockFilePath, const char* kind)
{
    const QByteArray hash = QCryptographicHash::hash(QDir::cleanPath(lockFilePath).toLower().toUtf8(),
                                                     QCryptographicHash::Sha1)
                                .toHex()
                                .left(16);
    return (QStringLiteral("Local\\zarvo-%1-").arg(QLatin1String(kind)) + QString::fromLatin1(hash)).toStdWString();
}
