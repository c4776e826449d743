#pragma once

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QString>

// Names that Windows takes for devices in any folder and with any extension ("NUL.tib",
// "con"), and paths into the device and pipe namespaces ("\\.\pipe\x", "\\?\GLOBALROOT").
// Opening one would wait for good: CON waits for the keyboard, a pipe for its writer.
inline bool isDeviceName(const QString& path)
{
    const QString native = QDir::toNativeSeparators(path);
    if (native.startsWith(QLatin1String("\\\\.\\")) || native.startsWith(QLatin1String("\\\\?\\")))
        return true;
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|COM[0-9\u00b9\u00b2\u00b3]|LPT[0-9\u00b9\u00b2\u00b3])[ .]*(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return device.match(QFileInfo(path).fileName()).hasMatch();
}
