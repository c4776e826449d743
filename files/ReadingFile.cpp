#include "files/ReadingFile.h"

#include "files/Scramble.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ReadingFile {

namespace {

// The order of the lines in the file.
enum Line { NameLine, SexLine, DayLine, MonthLine, YearLine };
static_assert(YearLine + 1 == LineCount);

const QString Male = QStringLiteral("Male");

// A day or year as the writer puts it: plain decimal digits, no sign, no leading zero.
qint16 numberIn(const QString& text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number <= 0 || number > std::numeric_limits<qint16>::max() || QString::number(number) != text)
        return 0;
    return qint16(number);
}

// The first LineCount lines, ended by CR LF, LF or a lone CR. Reads at most
// MaxScanBytes and keeps at most MaxLineBytes of each line.
QList<QByteArray> linesFrom(QIODevice& device)
{
    QList<QByteArray> lines;
    QByteArray line;
    bool lineBegun = false;
    bool afterCarriageReturn = false;  // an LF right after a CR ends no further line
    qsizetype scanned = 0;
    char chunk[4096];
    while (lines.size() < LineCount && scanned < MaxScanBytes) {
        const qint64 got = device.read(chunk, qMin<qint64>(sizeof chunk, MaxScanBytes - scanned));
        if (got <= 0)
            break;
        scanned += got;
        for (qint64 i = 0; i < got && lines.size() < LineCount; ++i) {
            const char byte = chunk[i];
            const bool lineFeedOfPair = byte == '\n' && afterCarriageReturn;
            afterCarriageReturn = byte == '\r';
            if (lineFeedOfPair)
                continue;
            if (byte == '\r' || byte == '\n') {
                lines << line;
                line.clear();
                lineBegun = false;
                continue;
            }
            lineBegun = true;
            if (line.size() < MaxLineBytes)
                line += byte;
        }
    }
    if (lineBegun && lines.size() < LineCount)
        lines << line;  // the last line, without its line end
    return lines;
}

// Writes all of content, so that a short write shows as an error with its reason.
bool writeAll(QFileDevice& file, const QByteArray& content)
{
    qsizetype done = 0;
    while (done < content.size()) {
        const qint64 written = file.write(content.constData() + done, content.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// Overwrites an existing file where it stands. Without O_CREAT, which a sticky
// world-writable folder may refuse for a file of another user's.
bool writeInPlace(const QString& path, const QByteArray& content, QString& reason)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::ExistingOnly | QIODevice::Unbuffered)
        || !writeAll(file, content)) {
        reason = file.errorString();
        return false;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
        return false;
    }
    return true;
}

bool replace(const QString& path, const QByteArray& content, bool exists, QString& reason)
{
    QSaveFile file(path);
    // Where no new file can be made beside the old one, the old one is written in place.
    file.setDirectWriteFallback(true);
    // Unbuffered, so that a short write (a full disk) shows at once; a buffered flush
    // may hide it and commit a truncated file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reason = file.errorString();
        return false;
    }
    if (!writeAll(file, content)) {
        reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (file.commit())
        return true;
    // A sticky folder lets only the owner of a file (or of the folder) replace it;
    // another user whom the file lets write may still write it in place. The new file
    // has been written in full, so the old one can be overwritten without loss.
    if (exists && file.error() == QFileDevice::RenameError)
        return writeInPlace(path, content, reason);
    reason = file.errorString();
    return false;
}

// The entries of a file's lines, as the writer put them.
BirthData entriesOf(const QList<QByteArray>& lines)
{
    const auto line = [&lines](Line which) { return unscrambleText(lines.value(which)); };
    BirthData entries;
    entries.name = line(NameLine);
    entries.sex = line(SexLine) == Male ? Male : QStringLiteral("Female");
    entries.day = numberIn(line(DayLine));
    entries.month = line(MonthLine);
    entries.year = numberIn(line(YearLine));
    return entries;
}

} // namespace

QByteArray contentFor(const BirthData& birthData)
{
    QString lines[LineCount];
    lines[NameLine] = birthData.name;
    lines[SexLine] = birthData.sex;
    lines[DayLine] = QString::number(birthData.day);
    lines[MonthLine] = birthData.month;
    lines[YearLine] = QString::number(birthData.year);
    QByteArray content;
    for (const QString& line : lines)
        content += scrambleText(line) + "\r\n";
    return content;
}

bool isReadOnly(const QString& path)
{
    // Checked on the permission bits too, so that it holds also for a user whom the
    // system would let write anything.
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return !(info.st_mode & S_IWUSR) || ::access(QFile::encodeName(path).constData(), W_OK) != 0;
}

bool write(const QString& path, const BirthData& birthData, QString* reason)
{
    QString why;
    struct stat existing {};
    const bool exists = ::stat(QFile::encodeName(path).constData(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        why = QCoreApplication::translate("ReadingFile", "it is not a plain file");
    else if (exists && isReadOnly(path))
        why = QCoreApplication::translate("ReadingFile", "the file is read-only");
    else if (replace(path, contentFor(birthData), exists, why))
        return true;
    if (reason)
        *reason = why;
    return false;
}

BirthData readFrom(QIODevice& device)
{
    return entriesOf(linesFrom(device));
}

BirthData read(const QString& path)
{
    // Open without blocking and accept only a regular file, so that a FIFO, a device
    // or a directory reads as an empty file instead of hanging.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return entriesOf({});
    struct stat info {};
    QFile file;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return entriesOf({});
    }
    return readFrom(file);
}

} // namespace ReadingFile
