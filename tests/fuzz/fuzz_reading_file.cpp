// Two promises of the reading file, on arbitrary input. Whatever bytes a user picks
// to open give bounded entries, never a crash, and entries that survive another save
// and reopen unchanged. And every name the name field takes, taken here as the input
// read as UTF-8 (so whole characters, any of them), comes back exactly as typed.
#include "files/ReadingFile.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

BirthData saveAndReopen(const BirthData& entries)
{
    QByteArray content = ReadingFile::contentFor(entries);
    QBuffer buffer(&content);
    buffer.open(QIODevice::ReadOnly);
    return ReadingFile::readFrom(buffer);
}

bool same(const BirthData& a, const BirthData& b)
{
    return a.name == b.name && a.sex == b.sex && a.day == b.day && a.month == b.month && a.year == b.year;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const BirthData read = ReadingFile::readFrom(buffer);
    if (read.name.size() > ReadingFile::MaxLineBytes || read.month.size() > ReadingFile::MaxLineBytes)
        std::abort();
    if (!same(saveAndReopen(read), read))
        std::abort();

    BirthData typed;
    typed.name = QString::fromUtf8(bytes).left(ReadingFile::MaxNameLength);
    if (!typed.name.isEmpty() && typed.name.back().isHighSurrogate())
        typed.name.chop(1);  // the cut parted a pair
    typed.sex = QStringLiteral("Female");
    typed.day = 7;
    typed.month = QStringLiteral("March");
    typed.year = 1984;
    if (saveAndReopen(typed).name != typed.name)
        std::abort();
    return 0;
}
