// The reading file on Windows: device names and pipes are neither read (CON would wait
// for the keyboard, a pipe for its writer) nor written, a read-only file is refused, and
// a failure says why in plain words.
#include "files/ReadingFile.h"
#include "platform/ReadingFileAccess.h"
#include "files/ReadingFileSamples.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestReadingFileWindows : public QObject
{
    Q_OBJECT
private slots:
    void devicesAndPipes_areNoFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("CON") << "CON";
        QTest::newRow("con.tib in a folder") << QDir::tempPath() + "/con.tib";
        QTest::newRow("NUL.tib") << "NUL.tib";
        QTest::newRow("COM1") << "COM1";
        QTest::newRow("conin$") << "conin$";
        QTest::newRow("a pipe") << "\\\\.\\pipe\\zarvo-test";
        QTest::newRow("the device namespace") << "\\\\.\\C:";
    }
    void devicesAndPipes_areNoFiles()
    {
        QFETCH(QString, path);
        QCOMPARE(fields(ReadingFileAccess::read(path)), QStringList({"", "Female", "0", "", "0"}));
        QString reason;
        QVERIFY(!ReadingFileAccess::write(path, anna(), &reason));
        QCOMPARE(reason, QStringLiteral("it is not a plain file"));
    }

    void readOnlyFile_isRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("keep.tib");
        writeBytes(path, "earlier\r\n");
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        QVERIFY(ReadingFileAccess::isReadOnly(path));
        QVERIFY(!ReadingFileAccess::write(path, anna()));
        QCOMPARE(fileContent(path), QByteArray("earlier\r\n"));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QVERIFY(ReadingFileAccess::write(path, anna()));
        QCOMPARE(fileContent(path), annaLines("\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.tib"});
    }

    void failure_reasonInPlainWords_data()
    {
        // Expected: the words, or empty for the system's own (without their stop, as the
        // message puts one after the bracket).
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a stream of another file") << "anna.tib:stream.tib" << "Windows does not allow this name";
        QTest::newRow("a quote") << "x\"y.tib" << "Windows does not allow this name";
        QTest::newRow("300 characters") << QString(296, u'a') + ".tib" << "the name is too long";
        QTest::newRow("folder gone") << "gone/anna.tib" << "";
    }
    void failure_reasonInPlainWords()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QString reason;
        QVERIFY(!ReadingFileAccess::write(dir.filePath(name), anna(), &reason));
        if (!expected.isEmpty())
            QCOMPARE(reason, expected);
        QVERIFY2(!reason.isEmpty() && !reason.endsWith(u'.') && !reason.contains(QLatin1String("QSaveFile")),
                 qPrintable(reason));
    }

    void nameBeyondTheCodePage_roundTrip()
    {
        // The path goes to Windows as UTF-16, not through a local code page.
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromUtf16(u"\u0f56\u0f40\u0fb2 M\u00fcller \u738b.tib"));
        QVERIFY(ReadingFileAccess::write(path, anna()));
        QCOMPARE(fields(ReadingFileAccess::read(path)), QStringList({"Anna", "Female", "7", "March", "1984"}));
    }
};

QTEST_APPLESS_MAIN(TestReadingFileWindows)
#include "tst_readingfile_windows.moc"
