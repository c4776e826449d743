// The application style reads the images the platform style would read through
// Qt's image plugins directly; the result must look exactly the same, and the
// main window must come up without any image-format plugin.
#include "app/Application.h"
#include "ui/MainWindow.h"
#include "testlib/FakePlatform.h"
#include "widgets/DirectImageStyle.h"
#include "widgets/Look.h"
#include "widgets/PngImage.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

class TestDirectImageStyle : public QObject
{
    Q_OBJECT

    static QImage groupBoxImage(QStyle* style, const QString& title)
    {
        QGroupBox box(title);
        box.setStyle(style);
        box.resize(180, 90);
        return box.grab().toImage();
    }

    // The platform style ours is made from.
    static QString baseName(QStyle* ours)
    {
        auto* proxy = qobject_cast<QProxyStyle*>(ours);
        return proxy ? proxy->baseStyle()->name() : ours->name();
    }

    static QStringList loadedImagePlugins()
    {
        QFile maps(QStringLiteral("/proc/self/maps"));
        if (!maps.open(QIODevice::ReadOnly))
            return {};
        QStringList plugins;
        for (const QByteArray& line : maps.readAll().split('\n')) {
            if (line.contains("/imageformats/"))
                plugins << QString::fromLocal8Bit(line.mid(line.lastIndexOf(' ') + 1));
        }
        plugins.removeDuplicates();
        return plugins;
    }

private slots:
    // First, while nothing in this process has read an image yet.
    void mainWindow_loadsNoImagePlugin()
    {
        if (!QFile::exists(QStringLiteral("/proc/self/maps")))
            QSKIP("needs /proc");
        QApplication::setStyle(DirectImageStyle::create());
        QApplication::setWindowIcon(Look::applicationIcon());
        FakePlatform platform;
        Application app(platform);
        app.showMainWindow();
        QVERIFY(app.mainWindow());
        app.mainWindow()->grab();  // paints every control once
        QCOMPARE(loadedImagePlugins(), QStringList());
        QVERIFY(!QApplication::windowIcon().isNull());
        QCOMPARE(QApplication::windowIcon().availableSizes().size(), 6);
    }

    void groupBoxes_lookAsThePlatformStyleDrawsThem_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("titled") << "Personal Details";
        QTest::newRow("untitled") << QString();
    }
    void groupBoxes_lookAsThePlatformStyleDrawsThem()
    {
        QFETCH(QString, title);
        QStyle* ours = DirectImageStyle::create();
        QStyle* platform = QStyleFactory::create(baseName(ours));
        QVERIFY(platform);
        const QImage expected = groupBoxImage(platform, title);
        QCOMPARE(groupBoxImage(ours, title), expected);
        delete ours;
        delete platform;
    }

    void extensionArrows_areThePlatformStylesOwn()
    {
        QStyle* ours = DirectImageStyle::create();
        QStyle* platform = QStyleFactory::create(baseName(ours));
        for (auto arrow : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
            const QIcon mine = ours->standardIcon(arrow);
            const QIcon theirs = platform->standardIcon(arrow);
            QVERIFY(!mine.isNull());
            QCOMPARE(mine.availableSizes(), theirs.availableSizes());
            for (const QSize& size : theirs.availableSizes())
                QCOMPARE(mine.pixmap(size).toImage(), theirs.pixmap(size).toImage());
        }
        delete ours;
        delete platform;
    }

    void pngImage_readsResourcesAndQuietlyRefusesMissingOnes()
    {
        QCOMPARE(pngImage(QStringLiteral(":/icon/zarvo-32.png")).size(), QSize(32, 32));
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        QVERIFY(pngImage(QStringLiteral(":/no/such.png")).isNull());
    }
};

QTEST_MAIN(TestDirectImageStyle)
#include "tst_directimagestyle.moc"
