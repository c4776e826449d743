// Reading files on disk, on Windows: the atomic replacement, the writing in place where
// a folder allows no replacement, and never opening a device or a pipe, which would
// wait for good (CON waits for the keyboard, a pipe for its writer).
#include "platform/ReadingFileAccess.h"

#include "files/ReadingFile.h"
#include "files/WriteAll.h"
#include "platform/FileReason.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <windows.h>

namespace ReadingFileAccess {

namespace {

QString notAPlainFile()
{
    return QCoreApplication::translate("ReadingFile", "it is not a plain file");
}

// Names that Windows takes for devices in any folder and with any extension ("NUL.tib",
// "con"), and paths into the device and pipe namespaces ("\\.\pipe\x", "\\?\GLOBALROOT").
bool isDeviceName(const QString& path)
{
    const QString native = QDir::toNativeSeparators(path);
    if (native.startsWith(QLatin1String("\\\\.\\")) || native.startsWith(QLatin1String("\\\\?\\")))
        return true;
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|COM[0-9\u00b9\u00b2\u00b3]|LPT[0-9\u00b9\u00b2\u00b3])[ .]*(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return device.match(QFileInfo(path).fileName()).hasMatch();
}

enum class Kind { Missing, PlainFile, Other };

// What stands at the path, without following a link (a reparse point counts as other).
Kind kindOf(const QString& path)
{
    if (isDeviceName(path))
        return Kind::Other;
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()));
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return Kind::Missing;
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE))
        return Kind::Other;
    return Kind::PlainFile;
}

// Overwrites the file where it stands. Room for the new content is reserved before a
// byte changes, so that a full disk leaves the old content whole; any later failure
// puts the old content back.
bool writeInPlace(const QString& path, const QByteArray& content, QString& reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered)) {
        reason = FileReason::of(path, file);
        return false;
    }
    const QByteArray old = file.readAll();
    if (content.size() > old.size() && !file.resize(content.size())) {
        reason = FileReason::of(path, file);
        file.resize(old.size());
        return false;
    }
    if (!file.seek(0) || !ReadingFile::writeAll(file, content) || !file.resize(content.size())) {
        reason = FileReason::of(path, file);
        if (file.seek(0) && ReadingFile::writeAll(file, old))
            file.resize(old.size());
        return false;
    }
    return true;
}

bool replace(const QString& path, bool exists, const QByteArray& content, QString& reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // No new file can be made beside the old one: the old one is written in place.
        if (exists)
            return writeInPlace(path, content, reason);
        reason = FileReason::of(path, file);
        return false;
    }
    if (!ReadingFile::writeAll(file, content)) {
        reason = FileReason::of(path, file);
        file.cancelWriting();
        return false;
    }
    if (file.commit())
        return true;
    reason = FileReason::of(path, file);
    return false;
}

} // namespace

bool isReadOnly(const QString& path)
{
    // Folders carry no read-only mark that Windows heeds; files do.
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()));
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)
           && (attributes & FILE_ATTRIBUTE_READONLY);
}

bool write(const QString& path, const BirthData& birthData, QString* reason)
{
    QString why;
    const Kind kind = kindOf(path);
    if (kind == Kind::Other)
        why = notAPlainFile();
    else if (kind == Kind::PlainFile && isReadOnly(path))
        why = QCoreApplication::translate("ReadingFile", "the file is read-only");
    else if (replace(path, kind == Kind::PlainFile, ReadingFile::contentFor(birthData), why))
        return true;
    if (reason)
        *reason = why;
    return false;
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
