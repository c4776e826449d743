#include "files/Windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace Windows1252 {

namespace {
// Bytes 0x80..0x9F; the other bytes equal their Latin-1 code points.
constexpr char16_t high[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};
} // namespace

int byteOf(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    for (int i = 0; i < 32; ++i) {
        if (high[i] == ch && ch != 0xFFFD)
            return 0x80 + i;
    }
    return -1;
}

char16_t charOf(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return high[byte - 0x80];
    return byte;
}

QList<int> codesOfBuiltIn(const QString& text)
{
    QList<int> codes;
    codes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        // A surrogate pair is one character that the code page cannot hold.
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            codes << -1;
            ++i;
            continue;
        }
        codes << byteOf(ch.unicode());
    }
    return codes;
}

QList<int> codesOf(const QString& text)
{
    // Plain ASCII is the same in every converter; only other text needs Qt's, whose
    // ICU data would otherwise be loaded at every start for the settings key.
    bool ascii = true;
    for (QChar ch : text)
        ascii = ascii && ch.unicode() < 0x80;
    if (ascii)
        return codesOfBuiltIn(text);
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return codesOfBuiltIn(text);  // Qt built without ICU
    // Convert one character at a time so that an unrepresentable one is known as such
    // rather than silently replaced.
    QList<int> codes;
    codes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype length = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            length = 2;
        const QStringView one = QStringView(text).mid(i, length);
        i += length - 1;
        // A fresh encoder each time: an error, once seen, stays with the encoder.
        QStringEncoder single("windows-1252", QStringConverter::Flag::Stateless);
        const QByteArray bytes = single.encode(one);
        if (single.hasError() || bytes.size() != 1) {
            codes << -1;
            continue;
        }
        const unsigned char byte = static_cast<unsigned char>(bytes.at(0));
        // ICU maps unknown characters to a substitute rather than failing; check back.
        if (charOf(byte) != one.at(0).unicode() || length != 1)
            codes << -1;
        else
            codes << byte;
    }
    return codes;
}

} // namespace Windows1252
