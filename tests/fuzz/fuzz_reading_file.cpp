// Feeds arbitrary bytes to the reading-file reader and the unscrambler: whatever a
// user picks must give five bounded lines and never crash.
#include "ReadingFile.h"
#include "Scramble.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QStringList lines = ReadingFile::readFrom(buffer);
    if (lines.size() != ReadingFile::LineCount)
        std::abort();
    for (const QString& line : lines) {
        if (line.size() > ReadingFile::MaxLineBytes)
            std::abort();
        // Whatever was read must survive another save and reopen unchanged.
        if (UnscrambleText(ScrambleText(line)) != line)
            std::abort();
    }
    return 0;
}
