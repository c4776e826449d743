// Files named from outside the program, on POSIX systems, where a name is bytes.
#include "platform/LocalFiles.h"

#include "platform/FileReason.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace LocalFiles {

namespace {

// Where a byte that is no UTF-8 goes: U+DC80..U+DCFF, halves of surrogate pairs that
// valid UTF-8 never yields on its own.
constexpr char16_t EscapeBase = 0xDC00;

bool isContinuation(const uchar* p, qsizetype i, qsizetype left, uchar low = 0x80, uchar high = 0xBF)
{
    return i < left && p[i] >= low && p[i] <= high;
}

// The length of the well-formed UTF-8 sequence at p, or 0: overlong forms, encoded
// surrogates and code points beyond U+10FFFF are not well formed.
int sequenceLength(const uchar* p, qsizetype left)
{
    const uchar b = p[0];
    if (b < 0x80)
        return 1;
    if (b >= 0xC2 && b <= 0xDF)
        return isContinuation(p, 1, left) ? 2 : 0;
    if (b >= 0xE0 && b <= 0xEF) {
        const uchar low = b == 0xE0 ? 0xA0 : 0x80;
        const uchar high = b == 0xED ? 0x9F : 0xBF;
        return isContinuation(p, 1, left, low, high) && isContinuation(p, 2, left) ? 3 : 0;
    }
    if (b >= 0xF0 && b <= 0xF4) {
        const uchar low = b == 0xF0 ? 0x90 : 0x80;
        const uchar high = b == 0xF4 ? 0x8F : 0xBF;
        return isContinuation(p, 1, left, low, high) && isContinuation(p, 2, left) && isContinuation(p, 3, left)
                   ? 4
                   : 0;
    }
    return 0;
}

} // namespace

QString fromBytes(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    QString name;
    qsizetype text = 0;  // start of the well-formed bytes not yet decoded
    for (qsizetype i = 0; i < size;) {
        if (const int length = sequenceLength(p + i, size - i)) {
            i += length;
            continue;
        }
        name += QString::fromUtf8(bytes.constData() + text, i - text);
        name += QChar(char16_t(EscapeBase + p[i]));
        text = ++i;
    }
    name += QString::fromUtf8(bytes.constData() + text, size - text);
    return name;
}

QByteArray toBytes(const QString& name)
{
    QByteArray bytes;
    qsizetype text = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        const bool pairsWithPrevious = i > 0 && QChar::isHighSurrogate(name.at(i - 1).unicode());
        if (c < EscapeBase + 0x80 || c > EscapeBase + 0xFF || pairsWithPrevious)
            continue;
        bytes += QStringView(name).mid(text, i - text).toUtf8();
        bytes += char(c - EscapeBase);
        text = i + 1;
    }
    bytes += QStringView(name).mid(text).toUtf8();
    return bytes;
}

QString forDisplay(const QString& name)
{
    return QString::fromUtf8(toBytes(name));
}

QStringList arguments(int argc, char* argv[])
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << fromBytes(QByteArray(argv[i]));
    return list;
}

QString currentFolder()
{
    // QDir::currentPath() decodes the folder's name as Qt decodes any name.
    char* folder = ::getcwd(nullptr, 0);
    if (!folder)
        return QDir::currentPath();
    const QString name = fromBytes(QByteArray(folder));
    std::free(folder);
    return name;
}

QString whyNotReadable(const QString& path)
{
    // Without blocking, so that a FIFO with no writer does not hang the program.
    const int fd = ::open(toBytes(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return qt_error_string(errno);
    struct stat info {};
    const bool plainFile = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    // The wording that saving uses for the same refusal.
    return plainFile ? QString() : FileReason::notAPlainFile();
}

} // namespace LocalFiles
