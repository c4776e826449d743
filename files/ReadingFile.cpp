#include "ReadingFile.h"

#include "Scramble.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ReadingFile {

QByteArray contentFor(const BirthData& birthData)
{
    const QString lines[LineCount] = {birthData.name, birthData.sex, QString::number(birthData.day),
                                      birthData.month, QString::number(birthData.year)};
    QByteArray content;
    for (const QString& line : lines)
        content += ScrambleText(line) + "\r\n";
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

bool write(const QString& path, const BirthData& birthData)
{
    // A read-only file is refused; so is anything that is not a plain file.
    struct stat existing {};
    if (::stat(QFile::encodeName(path).constData(), &existing) == 0
        && (!S_ISREG(existing.st_mode) || isReadOnly(path)))
        return false;
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk) shows in write()'s count; a
    // buffered flush may hide it and commit a truncated file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray content = contentFor(birthData);
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QStringList readFrom(QIODevice& device)
{
    QStringList lines;
    qsizetype scanned = 0;
    char chunk[512];
    while (lines.size() < LineCount && scanned < MaxScanBytes) {
        QByteArray line;
        bool ended = false;
        bool any = false;
        while (scanned < MaxScanBytes) {
            // getChar-sized reads would be slow; readLine stops at LF or the buffer's end.
            const qint64 got = device.readLine(chunk, sizeof chunk);
            if (got <= 0)
                break;
            any = true;
            scanned += got;
            const bool hasLineFeed = chunk[got - 1] == '\n';
            if (line.size() < MaxLineBytes)
                line.append(chunk, qMin<qsizetype>(got, MaxLineBytes - line.size()));
            if (hasLineFeed) {
                ended = true;
                break;
            }
        }
        if (!any)
            break;
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        lines << UnscrambleText(line);
        if (!ended)
            break;
    }
    while (lines.size() < LineCount)
        lines << QString();
    return lines;
}

QStringList read(const QString& path)
{
    // Open without blocking and accept only a regular file, so that a FIFO, a device
    // or a directory reads as an empty file instead of hanging.
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QStringList(LineCount, QString());
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return QStringList(LineCount, QString());
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return QStringList(LineCount, QString());
    }
    return readFrom(file);
}

} // namespace ReadingFile
