#include "files/ReadingFile.h"

#include "files/Scramble.h"

#include <limits>

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

BirthData readFrom(QIODevice& device)
{
    return entriesOf(linesFrom(device));
}

} // namespace ReadingFile
