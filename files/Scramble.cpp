#include "files/Scramble.h"

#include "files/Windows1252.h"

namespace {

void appendReference(QByteArray& out, char32_t codePoint)
{
    out += "&#";
    out += QByteArray::number(quint32(codePoint));
    out += ';';
}

// Parses "&#digits;" at pos. On success returns the code point and moves pos past it.
bool takeReference(const QByteArray& in, qsizetype& pos, char32_t& codePoint)
{
    if (pos + 3 >= in.size() + 0 || in.at(pos) != '&' || in.at(pos + 1) != '#')
        return false;
    qsizetype i = pos + 2;
    quint32 value = 0;
    int digits = 0;
    while (i < in.size() && in.at(i) >= '0' && in.at(i) <= '9' && digits < 8) {
        value = value * 10 + quint32(in.at(i) - '0');
        ++i;
        ++digits;
    }
    if (digits == 0 || i >= in.size() || in.at(i) != ';')
        return false;
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return false;
    codePoint = value;
    pos = i + 1;
    return true;
}

} // namespace

QByteArray scrambleText(const QString& plain)
{
    const QList<int> codes = Windows1252::codesOf(plain);
    QByteArray out;
    out.reserve(plain.size());
    qsizetype unit = 0;  // position in plain, which may advance by two for a surrogate pair
    for (int code : codes) {
        char32_t codePoint = plain.at(unit).unicode();
        qsizetype width = 1;
        if (plain.at(unit).isHighSurrogate() && unit + 1 < plain.size()
            && plain.at(unit + 1).isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(plain.at(unit), plain.at(unit + 1));
            width = 2;
        }
        unit += width;
        if (code >= 0 && code + ScrambleOffset <= 255)
            out += char(code + ScrambleOffset);
        else if (codePoint != 0 && !(codePoint >= 0xD800 && codePoint <= 0xDFFF))
            appendReference(out, codePoint);
        // a lone surrogate is no character at all and is left out
    }
    return out;
}

QString unscrambleText(const QByteArray& scrambled)
{
    QString out;
    out.reserve(scrambled.size());
    qsizetype pos = 0;
    while (pos < scrambled.size()) {
        const unsigned char byte = static_cast<unsigned char>(scrambled.at(pos));
        if (byte >= ScrambleOffset) {
            out += QChar(Windows1252::charOf(byte - ScrambleOffset));
            ++pos;
            continue;
        }
        char32_t codePoint = 0;
        if (takeReference(scrambled, pos, codePoint))
            out += QString::fromUcs4(&codePoint, 1);
        else
            ++pos;  // not part of a well-formed reference: left out
    }
    return out;
}

QString scrambleForSettings(const QString& plain)
{
    return QString::fromLatin1(scrambleText(plain));
}

QString unscrambleFromSettings(const QString& stored)
{
    // Anything that is not one byte per character cannot have come from scrambleText.
    QByteArray bytes;
    bytes.reserve(stored.size());
    for (QChar ch : stored) {
        if (ch.unicode() > 0xFF)
            continue;
        bytes += char(ch.unicode());
    }
    return unscrambleText(bytes);
}
