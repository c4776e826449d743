// The reading file on every system: the bytes it holds, names that come back as
// typed, and files of odd shapes.
#include "files/InPlaceWrite.h"
#include "files/ReadingFile.h"
#include "platform/ReadingFileAccess.h"
#include "files/ReadingFileSamples.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A file on a small device that can be made to fail at a given write, for writing in
// place: whatever fails, the old content must come out whole.
class SmallDeviceFile : public InPlaceWrite::File
{
public:
    QByteArray content;
    qint64 room = 0;      // the device's size
    int failingWrite = 0;  // the write (counted from 1) that stops half-way; 0 for none
    int writes = 0;

    bool readAtMost(qsizetype limit, QByteArray& bytes) override
    {
        bytes = content.left(limit + 1);
        return true;
    }
    bool reserve(qint64 size) override
    {
        if (size > room)
            return false;
        if (size > content.size())
            content.resize(size, '\0');
        return true;
    }
    bool writeFromStart(const QByteArray& bytes) override
    {
        ++writes;
        const qint64 fits = writes == failingWrite ? bytes.size() / 2 : qMin<qint64>(bytes.size(), room);
        if (content.size() < fits)
            content.resize(fits, '\0');
        content.replace(0, fits, bytes.left(fits));
        return fits == bytes.size();
    }
    bool truncate(qint64 size) override
    {
        content.resize(qMin<qint64>(size, content.size()));
        return true;
    }
    bool sync() override { return true; }
    QString errorString() const override { return QStringLiteral("no room"); }
};

} // namespace

class TestReadingFile : public QObject
{
    Q_OBJECT
private slots:
    void annaFile_byteForByte()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("anna.tib");
        QVERIFY(ReadingFileAccess::write(path, anna()));
        QCOMPARE(fileContent(path), annaLines("\r\n"));
    }

    void writeInPlace_keepsTheOldContentWhateverFails()
    {
        const QByteArray old = "old content\r\n";
        const QByteArray longer = "a longer new content\r\n";
        QString reason;
        // No room for the longer content: nothing is written at all.
        SmallDeviceFile full;
        full.content = old;
        full.room = old.size() + 4;
        QVERIFY(!InPlaceWrite::replaceContent(full, longer, 1000, reason));
        QCOMPARE(full.writes, 0);
        QCOMPARE(full.content, old);
        QCOMPARE(reason, QStringLiteral("no room"));
        // A write that stops half-way after the room was taken: the old content goes back.
        for (const QByteArray& content : {longer, QByteArray("new\r\n")}) {
            SmallDeviceFile failing;
            failing.content = old;
            failing.room = 1000;
            failing.failingWrite = 1;
            QVERIFY(!InPlaceWrite::replaceContent(failing, content, 1000, reason));
            QCOMPARE(failing.content, old);
        }
        // A file larger than any reading file is not read, let alone replaced.
        SmallDeviceFile huge;
        huge.content = QByteArray(2000, 'h');
        huge.room = 100000;
        QVERIFY(!InPlaceWrite::replaceContent(huge, longer, 1000, reason));
        QCOMPARE(huge.writes, 0);
        // And one that fits is replaced, shrinking.
        SmallDeviceFile fits;
        fits.content = longer;
        fits.room = 1000;
        QVERIFY(InPlaceWrite::replaceContent(fits, old, 1000, reason));
        QCOMPARE(fits.content, old);
    }

    void saveThenRead_roundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("ascii") << "Anna Maria";
        QTest::newRow("latin") << QString::fromUtf16(u"Jos\u00e9 M\u00fcller-Nu\u00f1ez \u20ac");
        QTest::newRow("tibetan") << QString::fromUtf16(u"\u0f56\u0f40\u0fb2\u0f0b\u0f64\u0f72\u0f66");
        QTest::newRow("cjk") << QString::fromUtf16(u"\u738b\u5c0f\u660e");
        QTest::newRow("markup") << "<b>Anna</b> {\\rtf1 x} &#233;";
        QTest::newRow("empty") << "";
    }
    void saveThenRead_roundTrip()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString path = dir.filePath("r.tib");
        BirthData data = anna();
        data.name = name;
        QVERIFY(ReadingFileAccess::write(path, data));
        QCOMPARE(fields(ReadingFileAccess::read(path)), QStringList({name, "Female", "7", "March", "1984"}));
    }

    void markupInANameIsKeptLiterally()
    {
        // A name that looks like an escape must come back as typed, not decoded.
        BirthData data = anna();
        data.name = QStringLiteral("&#233;");
        QTemporaryDir dir;
        QVERIFY(ReadingFileAccess::write(dir.filePath("x.tib"), data));
        QCOMPARE(ReadingFileAccess::read(dir.filePath("x.tib")).name, QStringLiteral("&#233;"));
    }

    void saveOverExistingFile_leavesExactlyFiveLines()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("old.tib");
        writeBytes(path, QByteArray(10000, 'x') + "\r\nmore\r\nlines\r\n1\r\n2\r\n3\r\n4\r\n");
        QVERIFY(ReadingFileAccess::write(path, anna()));
        const QByteArray content = fileContent(path);
        QCOMPARE(content.count("\r\n"), 5);
        QVERIFY(content.endsWith("\r\n"));
        QCOMPARE(content, ReadingFile::contentFor(anna()));
    }

    void twoSavesAreIdentical()
    {
        QTemporaryDir dir;
        QVERIFY(ReadingFileAccess::write(dir.filePath("a.tib"), anna()));
        QVERIFY(ReadingFileAccess::write(dir.filePath("b.tib"), anna()));
        QCOMPARE(fileContent(dir.filePath("a.tib")), fileContent(dir.filePath("b.tib")));
    }

    void shortAndOddFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("entries");
        const QStringList anna{"Anna", "Female", "7", "March", "1984"};
        const QList<QByteArray> parts = annaLines("\r\n").split('\n');
        QTest::newRow("four lines") << parts.mid(0, 4).join('\n') + "\n"
                                    << QStringList{"Anna", "Female", "7", "March", "0"};
        QTest::newRow("empty") << QByteArray() << QStringList{"", "Female", "0", "", "0"};
        QTest::newRow("no line ends") << scrambledAscii("A") << QStringList{"A", "Female", "0", "", "0"};
        QTest::newRow("LF only") << annaLines("\n") << anna;
        QTest::newRow("CR only") << annaLines("\r") << anna;
        QTest::newRow("CR, LF and CR LF mixed")
            << scrambledAscii("Bob") + "\r" + scrambledAscii("Male") + "\n" + scrambledAscii("5") + "\r\n"
                   + scrambledAscii("May") + "\r" + scrambledAscii("1990")
            << QStringList{"Bob", "Male", "5", "May", "1990"};
        QTest::newRow("empty lines count") << "\r\r\n\n" + scrambledAscii("May") + "\r"
                                           << QStringList{"", "Female", "0", "May", "0"};
        QTest::newRow("CR LF split across reads") << QByteArray(4095, char('A' + ScrambleOffset)) + "\r\n"
                                                         + scrambledAscii("Male") + "\r\n"
                                                  << QStringList{QString(4095, u'A'), "Male", "0", "", "0"};
        QTest::newRow("extra lines ignored") << annaLines("\r\n") + "garbage\r\nmore\r\n" << anna;
        QTest::newRow("NUL bytes") << QByteArray("\x7d\0\x7e\r\n", 5) << QStringList{"AB", "Female", "0", "", "0"};
        QTest::newRow("numbers only as written")
            << scrambledLines({"A", "Male", "07", "March", "+1984"}, "\r\n") << QStringList{"A", "Male", "0", "March", "0"};
        QTest::newRow("numbers beyond 16 bits")
            << scrambledLines({"A", "Male", "65543", "March", "4294969280"}, "\r\n")
            << QStringList{"A", "Male", "0", "March", "0"};
    }
    void shortAndOddFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, entries);
        QBuffer buffer(&content);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QCOMPARE(fields(ReadingFile::readFrom(buffer)), entries);
    }

    void overLongLineIsCutNotHeld()
    {
        QByteArray content(ReadingFile::MaxLineBytes + 5000, char('A' + ScrambleOffset));
        content += "\r\n" + scrambledAscii("Male") + "\r\n";
        QBuffer buffer(&content);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const BirthData entries = ReadingFile::readFrom(buffer);
        QCOMPARE(entries.name.size(), ReadingFile::MaxLineBytes);
        QCOMPARE(entries.sex, QStringLiteral("Male"));
    }

    void hugeFileWithoutLineEndsStopsReading()
    {
        QByteArray content(ReadingFile::MaxScanBytes * 4, 'x');
        QBuffer buffer(&content);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        ReadingFile::readFrom(buffer);
        QVERIFY(buffer.pos() <= ReadingFile::MaxScanBytes + 512);
    }

};

QTEST_APPLESS_MAIN(TestReadingFile)
#include "tst_readingfile.moc"
