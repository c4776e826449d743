// The real platform layer where it can be checked offscreen: the random numbers and
// the settings store on disk.
#include "files/Scramble.h"
#include "platform/QtPlatform.h"
#include "testlib/GuiTestHelpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

#include <sys/stat.h>

using namespace GuiTest;

namespace {

QByteArray fileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestQtPlatform : public QObject
{
    Q_OBJECT
private slots:
    void qtPlatform_randomStaysBelowOne()
    {
        QtPlatform platform;
        float lowest = 1.0f;
        float highest = 0.0f;
        for (int i = 0; i < 200000; ++i) {
            const float r = platform.nextRandom();
            QVERIFY(r >= 0.0f);
            QVERIFY(r < 1.0f);
            lowest = std::min(lowest, r);
            highest = std::max(highest, r);
        }
        QVERIFY(lowest < 0.001f);
        QVERIFY(highest > 0.999f);
    }

    // ---- the settings store on disk ----

    void qtPlatform_settingsStore()
    {
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
        auto restore = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", oldHome); });

        const QString path = QtPlatform::settingsFilePath();
        QVERIFY2(path.startsWith(home.path() + u'/'), qPrintable(path));
        const QString baseName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        QVERIFY2(QFileInfo(path).fileName().contains(baseName), qPrintable(path));

        QtPlatform platform;
        QCOMPARE(platform.readSetting("Duration"), QString());
        platform.writeSetting("Duration", "12/7/26");
        QCOMPARE(platform.readSetting("Duration"), QStringLiteral("12/7/26"));
        platform.writeSetting("Duration", "1/30/27");
        QCOMPARE(platform.readSetting("Duration"), QStringLiteral("1/30/27"));
        QCOMPARE(platform.readSetting("NeverWritten"), QString());
        QCOMPARE(platform.readSetting("duration"), QString());

        const QByteArray onDisk = fileContent(path);
        QVERIFY2(!onDisk.isEmpty(), qPrintable(path));
        QVERIFY(onDisk.contains("[Settings]"));
        QVERIFY2(!onDisk.contains("Duration"), onDisk.constData());
        QVERIFY2(!onDisk.contains("1/30/27"), onDisk.constData());

        // A second QtPlatform (the next start) reads what the first wrote.
        QtPlatform nextStart;
        QCOMPARE(nextStart.readSetting("Duration"), QStringLiteral("1/30/27"));
    }

    void qtPlatform_settingsOfAnotherExecutableStayApart()
    {
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
        auto restore = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", oldHome); });

        const QString path = QtPlatform::settingsFilePath();
        const QString folder = QFileInfo(path).absolutePath();
        QVERIFY(QDir().mkpath(folder));
        // The store of a copy of the program under another name.
        const QString otherPath = folder + QStringLiteral("/zarvo-copy.ini");
        QVERIFY(otherPath != path);
        {
            QSettings other(otherPath, QSettings::IniFormat);
            other.beginGroup("Settings");
            other.setValue(scrambleForSettings("Duration"), scrambleForSettings("1/1/20"));
        }
        QtPlatform platform;
        QCOMPARE(platform.readSetting("Duration"), QString());
        platform.writeSetting("Duration", "12/7/26");
        QSettings other(otherPath, QSettings::IniFormat);
        other.beginGroup("Settings");
        QCOMPARE(unscrambleFromSettings(other.value(scrambleForSettings("Duration")).toString()),
                 QStringLiteral("1/1/20"));
    }

    void qtPlatform_settingsStoreSurvivesBadFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("corrupt file") << "corrupt";
        QTest::newRow("folder where the file should be") << "folder";
        QTest::newRow("config home is a file") << "homeIsFile";
        QTest::newRow("read-only folder") << "readOnly";
        QTest::newRow("folder where the lock should be") << "lockFolder";
        QTest::newRow("FIFO where the lock should be") << "lockFifo";
        QTest::newRow("file of 64 MB") << "huge";
    }
    void qtPlatform_settingsStoreSurvivesBadFiles()
    {
        QFETCH(QString, kind);
        QTemporaryDir home;
        QString configHome = home.path();
        if (kind == QLatin1String("homeIsFile")) {
            configHome = home.filePath("plain-file");
            QFile file(configHome);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("x");
        }
        const QByteArray oldHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome));
        auto restore = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", oldHome); });

        const QString path = QtPlatform::settingsFilePath();
        const QString folder = QFileInfo(path).absolutePath();
        if (kind == QLatin1String("corrupt")) {
            QVERIFY(QDir().mkpath(folder));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QByteArray junk("[Settings\n=\n\0\xff\xfe[[[]]]\n");
            for (int i = 0; i < 2000; ++i)
                junk += char((i * 131) & 0xff);
            file.write(junk);
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == QLatin1String("lockFolder")) {
            QVERIFY(QDir().mkpath(path + ".lock"));
        } else if (kind == QLatin1String("lockFifo")) {
            QVERIFY(QDir().mkpath(folder));
            QCOMPARE(::mkfifo(QFile::encodeName(path + ".lock").constData(), 0600), 0);
        } else if (kind == QLatin1String("huge")) {
            QVERIFY(QDir().mkpath(folder));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(64 << 20));
        } else if (kind == QLatin1String("readOnly")) {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        }
        auto unlock = qScopeGuard([&] {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });

        QtPlatform platform;
        QCOMPARE(platform.readSetting("NeverWritten"), QString());
        const QString before = platform.readSetting("Duration");
        platform.writeSetting("Duration", "12/7/26");
        const QString after = platform.readSetting("Duration");
        if (kind == QLatin1String("corrupt"))
            QCOMPARE(after, QStringLiteral("12/7/26"));  // the store is rewritten
        else if (kind == QLatin1String("huge"))
            QVERIFY(after.isEmpty() && QFileInfo(path).size() == 64 << 20);  // left alone, unread
        else
            QVERIFY(after == before || after == QLatin1String("12/7/26"));
    }

    void qtPlatform_settingsStoreLockedForGood_stillLetsTheProgramEnd()
    {
        // Another process that keeps the store's lock must not keep the program from
        // ending: the write is given up after a few seconds.
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
        auto restore = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", oldHome); });
        const QString path = QtPlatform::settingsFilePath();
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QLockFile held(path + ".lock");
        QVERIFY(held.tryLock());
        std::atomic<bool> ended = false;
        std::thread program([&] {
            {
                QtPlatform platform;
                platform.writeSetting("Duration", "12/7/26");
            }
            ended = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(ended, 30000);
        program.join();
        held.unlock();
    }
};

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
