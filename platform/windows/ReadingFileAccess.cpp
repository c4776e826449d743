// Reading files on disk, on Windows: never opening a device or a pipe, which would wait
// for good (CON waits for the keyboard, a pipe for its writer).
#include "platform/ReadingFileAccess.h"

#include "files/ReadingFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "DeviceNames.h"

#include <windows.h>

namespace ReadingFileAccess {

bool isReadOnly(const QString& path)
{
    // Folders carry no read-only mark that Windows heeds; files do.
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()));
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)
           && (attributes & FILE_ATTRIBUTE_READONLY);
}

BirthData read(const QString& path)
{
    QFile file(path);
    if (isDeviceName(path) || QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        QBuffer nothing;
        nothing.open(QIODevice::ReadOnly);
        return ReadingFile::readFrom(nothing);
    }
    return ReadingFile::readFrom(file);
}

} // namespace ReadingFileAccess
