#include "ReadingFile.h"
#include "Scramble.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
BirthData anna()
{
    BirthData data;
    data.name = QStringLiteral("Anna");
    data.sex = QStringLiteral("Female");
    data.day = 7;
    data.month = QStringLiteral("March");
    data.year = 1984;
    return data;
}

QByteArray fileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

bool runningAsRoot()
{
    return ::geteuid() == 0;
}
} // namespace

class TestReadingFile : public QObject
{
    Q_OBJECT
private slots:
    void annaFile_byteForByte()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("anna.tib");
        QVERIFY(ReadingFile::write(path, anna()));
        QByteArray expected;
        for (const char* line : {"Anna", "Female", "7", "March", "1984"}) {
            for (const char* p = line; *p; ++p)
                expected += char(*p + ScrambleOffset);
            expected += "\r\n";
        }
        QCOMPARE(fileContent(path), expected);
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
        QVERIFY(ReadingFile::write(path, data));
        QCOMPARE(ReadingFile::read(path),
                 QStringList({name, "Female", "7", "March", "1984"}));
    }

    void markupInANameIsKeptLiterally()
    {
        // A name that looks like an escape must come back as typed, not decoded.
        BirthData data = anna();
        data.name = QStringLiteral("&#233;");
        QTemporaryDir dir;
        QVERIFY(ReadingFile::write(dir.filePath("x.tib"), data));
        QCOMPARE(ReadingFile::read(dir.filePath("x.tib")).first(), QStringLiteral("&#233;"));
    }

    void saveOverExistingFile_leavesExactlyFiveLines()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("old.tib");
        writeBytes(path, QByteArray(10000, 'x') + "\r\nmore\r\nlines\r\n1\r\n2\r\n3\r\n4\r\n");
        QVERIFY(ReadingFile::write(path, anna()));
        const QByteArray content = fileContent(path);
        QCOMPARE(content.count("\r\n"), 5);
        QVERIFY(content.endsWith("\r\n"));
        QCOMPARE(content, ReadingFile::contentFor(anna()));
    }

    void twoSavesAreIdentical()
    {
        QTemporaryDir dir;
        QVERIFY(ReadingFile::write(dir.filePath("a.tib"), anna()));
        QVERIFY(ReadingFile::write(dir.filePath("b.tib"), anna()));
        QCOMPARE(fileContent(dir.filePath("a.tib")), fileContent(dir.filePath("b.tib")));
    }

    void failedSave_leavesTheEarlierFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("keep.tib");
        writeBytes(path, "earlier\r\n");
        // A read-only folder: the atomic replace cannot create its temporary file.
        if (!runningAsRoot()) {
            QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            QVERIFY(!ReadingFile::write(path, anna()));
            QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                          | QFileDevice::ExeOwner));
            QCOMPARE(fileContent(path), QByteArray("earlier\r\n"));
        }
        // A read-only file is refused, also for root.
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        QVERIFY(!ReadingFile::write(path, anna()));
        QCOMPARE(fileContent(path), QByteArray("earlier\r\n"));
        // A folder that does not exist.
        QVERIFY(!ReadingFile::write(dir.filePath("missing/x.tib"), anna()));
        QVERIFY(!QFile::exists(dir.filePath("missing/x.tib")));
        // No temporary file is left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.tib"});
    }

    void fullDisk_reportsFailure()
    {
        if (!QFile::exists("/dev/full"))
            QSKIP("no /dev/full here");
        // /dev/full accepts an open but fails every write; it is no regular file, so the
        // writer refuses it before touching it.
        QVERIFY(!ReadingFile::write("/dev/full", anna()));
    }

    void writeFailurePartWay_leavesTheEarlierFile()
    {
        // A file size limit makes writes fail as a full disk would.
        QTemporaryDir dir;
        const QString path = dir.filePath("keep.tib");
        writeBytes(path, "earlier\r\n");
        struct rlimit old {};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit tiny = old;
        tiny.rlim_cur = 8;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
        const bool written = ReadingFile::write(path, anna());
        ::setrlimit(RLIMIT_FSIZE, &old);
        ::signal(SIGXFSZ, oldHandler);
        QVERIFY(!written);
        QCOMPARE(fileContent(path), QByteArray("earlier\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.tib"});
    }

    void shortAndOddFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("lines");
        const QByteArray full = ReadingFile::contentFor(anna());
        const QList<QByteArray> parts = full.split('\n');
        QTest::newRow("four lines") << parts.mid(0, 4).join('\n') + "\n"
                                    << QStringList{"Anna", "Female", "7", "March", ""};
        QTest::newRow("empty") << QByteArray() << QStringList(5, QString());
        QTest::newRow("no line ends") << QByteArray(1, char('A' + ScrambleOffset))
                                      << QStringList{"A", "", "", "", ""};
        QTest::newRow("LF only") << QByteArray("\x7d\n\x7e\n") << QStringList{"A", "B", "", "", ""};
        QTest::newRow("extra lines ignored") << full + "garbage\r\nmore\r\n"
                                             << QStringList{"Anna", "Female", "7", "March", "1984"};
        QTest::newRow("NUL bytes") << QByteArray("\x7d\0\x7e\r\n", 5) << QStringList{"AB", "", "", "", ""};
    }
    void shortAndOddFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, lines);
        QBuffer buffer(&content);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QCOMPARE(ReadingFile::readFrom(buffer), lines);
    }

    void overLongLineIsCutNotHeld()
    {
        QByteArray content(ReadingFile::MaxLineBytes * 50, char('A' + ScrambleOffset));
        content += "\r\n";
        content += QByteArray(1, char('B' + ScrambleOffset)) + "\r\n";
        QBuffer buffer(&content);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const QStringList lines = ReadingFile::readFrom(buffer);
        QCOMPARE(lines.at(0).size(), ReadingFile::MaxLineBytes);
        QCOMPARE(lines.at(1), QStringLiteral("B"));
    }

    void hugeFileWithoutLineEndsStopsReading()
    {
        QByteArray content(ReadingFile::MaxScanBytes * 4, 'x');
        QBuffer buffer(&content);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        ReadingFile::readFrom(buffer);
        QVERIFY(buffer.pos() <= ReadingFile::MaxScanBytes + 512);
    }

    void thingsThatAreNoFiles_readAsEmpty()
    {
        QTemporaryDir dir;
        const QStringList empty(5, QString());
        QCOMPARE(ReadingFile::read(dir.path()), empty);                   // a directory
        QCOMPARE(ReadingFile::read(dir.filePath("vanished.tib")), empty);  // gone
        const QString fifo = dir.filePath("pipe.tib");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(ReadingFile::read(fifo), empty);  // would block on open without a writer
        if (!runningAsRoot()) {
            const QString locked = dir.filePath("locked.tib");
            writeBytes(locked, ReadingFile::contentFor(anna()));
            QFile::setPermissions(locked, QFileDevice::WriteOwner);
            QCOMPARE(ReadingFile::read(locked), empty);
        }
    }
};

QTEST_APPLESS_MAIN(TestReadingFile)
#include "tst_readingfile.moc"
