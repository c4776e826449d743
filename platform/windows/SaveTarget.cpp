// Saving on Windows: the atomic replacement, the writing in place where a folder allows
// no replacement, and never opening a device or a pipe, which would wait for good (CON
// waits for the keyboard, a pipe for its writer). Only administrators may make links
// here, so the folder is found by its path at each step.
#include "platform/SaveTarget.h"

#include "files/InPlaceWrite.h"
#include "files/WriteAll.h"
#include "platform/FileReason.h"
#include "platform/ReadingFileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "DeviceNames.h"

#include <windows.h>

struct SaveTarget::Folder
{
};

namespace {


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

// A file opened for writing in place, with the steps InPlaceWrite takes.
class OpenFile : public InPlaceWrite::File
{
public:
    OpenFile(const QString& path, QFile& file) : m_path(path), m_file(file) {}

    bool readAtMost(qsizetype limit, QByteArray& bytes) override
    {
        bytes = m_file.read(limit + 1);
        return m_file.error() == QFileDevice::NoError;
    }
    bool reserve(qint64 size) override { return m_file.resize(size); }
    bool writeFromStart(const QByteArray& bytes) override
    {
        return m_file.seek(0) && ReadingFile::writeAll(m_file, bytes);
    }
    bool truncate(qint64 size) override { return m_file.resize(size); }
    bool sync() override { return m_file.flush(); }
    QString errorString() const override { return FileReason::of(m_path, m_file); }

private:
    QString m_path;
    QFile& m_file;
};

bool writeInPlace(const QString& path, const QByteArray& content, qsizetype largestOld, QString& reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered)) {
        reason = FileReason::of(path, file);
        return false;
    }
    OpenFile open(path, file);
    return InPlaceWrite::replaceContent(open, content, largestOld, reason);
}

bool replace(const QString& path, bool exists, const QByteArray& content, qsizetype largestOld, QString& reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // No new file can be made beside the old one: the old one is written in place.
        if (exists)
            return writeInPlace(path, content, largestOld, reason);
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

SaveTarget SaveTarget::open(const QString& path)
{
    SaveTarget target;
    target.m_path = QFileInfo(path).absoluteFilePath();
    target.m_folder = std::make_shared<Folder>();
    return target;
}

bool SaveTarget::exists() const
{
    return kindOf(m_path) != Kind::Missing;
}

bool SaveTarget::write(const QByteArray& content, qsizetype largestReplacedInPlace, QString* reason) const
{
    QString why;
    const Kind kind = kindOf(m_path);
    if (kind == Kind::Other)
        why = FileReason::notAPlainFile();
    else if (kind == Kind::PlainFile && ReadingFileAccess::isReadOnly(m_path))
        why = FileReason::readOnly();
    else if (replace(m_path, kind == Kind::PlainFile, content, largestReplacedInPlace, why))
        return true;
    if (reason)
        *reason = why;
    return false;
}
