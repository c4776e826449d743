#include "files/Scramble.h"
#include "files/Windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

namespace {
// What a reader that keeps to the plain rule makes of the bytes: every byte below
// the offset is left out.
QString plainRuleUnscramble(const QByteArray& bytes)
{
    QString out;
    for (char c : bytes) {
        const int code = static_cast<unsigned char>(c) - ScrambleOffset;
        if (code >= 0)
            out += QChar(Windows1252::charOf(static_cast<unsigned char>(code)));
    }
    return out;
}
} // namespace

class TestScramble : public QObject
{
    Q_OBJECT
private slots:
    void offsetIsInItsRangeAboveTheEscapeAlphabet()
    {
        QVERIFY(ScrambleOffset > 31 && ScrambleOffset < 128);
        QVERIFY(ScrambleOffset > ';');  // '&', '#', digits and ';' lie below it
    }

    void annaExample_byteForByte()
    {
        const char* plain[] = {"Anna", "Female", "7", "March", "1984"};
        for (const char* text : plain) {
            QByteArray expected;
            for (const char* p = text; *p; ++p)
                expected += char(*p + 60);
            QCOMPARE(scrambleText(QString::fromLatin1(text)), expected);
            QCOMPARE(unscrambleText(expected), QString::fromLatin1(text));
        }
    }

    void everyAsciiCharacterRoundTrips()
    {
        QString all;
        for (int code = 0; code < 128; ++code)
            all += QChar(code);
        const QByteArray scrambled = scrambleText(all);
        QCOMPARE(scrambled.size(), 128);  // one byte each: all ASCII fits the plain rule
        for (char c : scrambled)
            QVERIFY(static_cast<unsigned char>(c) >= ScrambleOffset);
        QCOMPARE(unscrambleText(scrambled), all);
    }

    void latin1LettersThatFitStayPlain()
    {
        QString fits;
        for (int code = 0xA0; code + ScrambleOffset <= 255; ++code)
            fits += QChar(code);
        fits += QString::fromUtf16(u"\u20ac\u0160\u017e");  // Euro, S caron, z caron: code page bytes 0x80.. fit too
        const QByteArray scrambled = scrambleText(fits);
        QCOMPARE(scrambled.size(), fits.size());
        QCOMPARE(unscrambleText(scrambled), fits);
        QCOMPARE(plainRuleUnscramble(scrambled), fits);
    }

    void namesBeyondThePlainRuleSurvive_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("plainRuleReading");
        QTest::newRow("e acute") << QString::fromUtf16(u"Jos\u00e9") << "Jos";
        QTest::newRow("u umlaut") << QString::fromUtf16(u"M\u00fcller") << "Mller";
        QTest::newRow("n tilde") << QString::fromUtf16(u"Nu\u00f1ez") << "Nuez";
        QTest::newRow("c cedilla") << QString::fromUtf16(u"Fran\u00e7oise") << "Franoise";
        QTest::newRow("tibetan") << QString::fromUtf16(u"\u0f56\u0f40\u0fb2\u0f0b\u0f64\u0f72\u0f66") << "";
        QTest::newRow("cjk") << QString::fromUtf16(u"\u738b\u5c0f\u660e Lee") << " Lee";
        QTest::newRow("emoji") << QString::fromUtf16(u"Ann \U0001F600") << "Ann ";
        QTest::newRow("rtl") << QString::fromUtf16(u"\u05e9\u05dc\u05d5\u05dd") << "";
    }
    void namesBeyondThePlainRuleSurvive()
    {
        QFETCH(QString, name);
        QFETCH(QString, plainRuleReading);
        const QByteArray scrambled = scrambleText(name);
        for (char c : scrambled) {
            const auto byte = static_cast<unsigned char>(c);
            QVERIFY(byte >= 32 && byte != '\r' && byte != '\n');
        }
        QCOMPARE(unscrambleText(scrambled), name);
        QCOMPARE(plainRuleUnscramble(scrambled), plainRuleReading);
    }

    void scrambledBytesWithoutACharacterStillRoundTrip()
    {
        // 0x81 has no character in Windows-1252; it must survive as a byte.
        const QString plain(QChar(0x81 - ScrambleOffset));
        QCOMPARE(scrambleText(plain), QByteArray(1, char(0x81)));
        QCOMPARE(unscrambleText(QByteArray(1, char(0x81))), plain);
    }

    void malformedReferencesAreLeftOut_data()
    {
        QTest::addColumn<QByteArray>("scrambled");
        QTest::addColumn<QString>("plain");
        const QByteArray a(1, char('A' + ScrambleOffset));
        QTest::newRow("no digits") << a + "&#;" + a << "AA";
        QTest::newRow("no end") << a + "&#233" << "A";
        QTest::newRow("no end, a letter after") << a + "&#233" + a << "AA";
        QTest::newRow("no hash") << a + "&233;" + a << "AA";
        QTest::newRow("surrogate") << a + "&#55296;" << "A";
        QTest::newRow("too large") << a + "&#1114112;" << "A";
        QTest::newRow("huge") << a + "&#99999999999999999999;" << "A";
        QTest::newRow("zero") << a + "&#0;" << "A";
        QTest::newRow("stray bytes") << QByteArray("\x01\x1f !&#") + a << "A";
        QTest::newRow("good after bad") << QByteArray("&#&#233;") << QString::fromUtf16(u"\u00e9");
    }
    void malformedReferencesAreLeftOut()
    {
        QFETCH(QByteArray, scrambled);
        QFETCH(QString, plain);
        QCOMPARE(unscrambleText(scrambled), plain);
    }

    void builtInTableMatchesQtConverter()
    {
        QStringEncoder encoder("windows-1252");
        QStringDecoder decoder("windows-1252");
        if (!encoder.isValid())
            QSKIP("this Qt has no windows-1252 converter");
        for (int byte = 0; byte < 256; ++byte) {
            const QString decoded = decoder.decode(QByteArray(1, char(byte)));
            const char16_t mine = Windows1252::charOf(static_cast<unsigned char>(byte));
            if (mine == 0xFFFD)
                continue;  // the five unassigned bytes: ours has no character for them
            QCOMPARE(decoded, QString(QChar(mine)));
        }
        QString sample;
        for (int code = 0; code < 0x3000; ++code)
            if (!QChar::isSurrogate(code))
                sample += QChar(code);
        QCOMPARE(Windows1252::codesOf(sample), Windows1252::codesOfBuiltIn(sample));
    }

    void settingsFormRoundTrips()
    {
        for (const QString& text : {QStringLiteral("Duration"), QStringLiteral("07/12/2026"),
                                    QString::fromUtf16(u"\u0667/\u0661\u0662/\u0662\u0660\u0662\u0666"), QString()}) {
            const QString stored = scrambleForSettings(text);
            for (QChar ch : stored)
                QVERIFY(ch.unicode() <= 0xFF);
            QCOMPARE(unscrambleFromSettings(stored), text);
        }
        QCOMPARE(unscrambleFromSettings(QString()), QString());
    }
};

QTEST_APPLESS_MAIN(TestScramble)
#include "tst_scramble.moc"
