// On a screen scaled to 200 % (or more) every picture and icon is drawn in the screen's
// own pixels: a picture drawn at its logical size and then enlarged looks blurred.
// The scale comes from QT_SCALE_FACTOR (2 unless the environment sets another).
#include "testlib/OpenWindows.h"
#include "widgets/Look.h"
#include "widgets/PictureBox.h"

#include <QApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// The SVG drawn directly to fill the given pixels, over the colour that lies behind it.
QImage drawnDirectly(const QString& svg, const QSize& pixels, const QColor& background)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    QSvgRenderer(svg).render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return image;
}

// Mean difference of the colour channels, 0 to 255.
double difference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    if (x.size() != y.size())
        return 255;
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int column = 0; column < x.width(); ++column) {
            sum += qAbs(qRed(p[column]) - qRed(q[column])) + qAbs(qGreen(p[column]) - qGreen(q[column]))
                   + qAbs(qBlue(p[column]) - qBlue(q[column]));
        }
    }
    return sum / (3.0 * x.width() * x.height());
}

} // namespace

class TestScale : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTest::OpenWindows> m_windows;

private slots:
    void initTestCase()
    {
        QApplication::setWindowIcon(Look::applicationIcon());
        m_windows = std::make_unique<GuiTest::OpenWindows>();
        QVERIFY(qApp->devicePixelRatio() >= 2);
    }

    void cleanupTestCase()
    {
        m_windows.reset();
    }

    void picturesAreDrawnAtDevicePixels_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("svg");  // the picture's scalable original
        QTest::newRow("main window emblem") << "MainWindow" << "emblemPicture" << ":/icon/zarvo.svg";
        QTest::newRow("about box icon") << "AboutBox" << "iconPicture" << ":/icon/zarvo.svg";
        QTest::newRow("support screen icon") << "SupportScreen" << "iconPicture" << ":/icon/zarvo.svg";
        // 25 March 1984: Nya, whose western sign is Pisces, in a year of the Rat.
        QTest::newRow("sun sign") << "ResultWindow" << "sunSignPicture" << ":/pictures/western/pisces.svg";
        QTest::newRow("animal sign") << "ResultWindow" << "animalPicture" << ":/pictures/animal/rat.svg";
    }

    void picturesAreDrawnAtDevicePixels()
    {
        QFETCH(QString, window);
        QFETCH(QString, box);
        QFETCH(QString, svg);
        auto* picture = m_windows->window(window)->findChild<PictureBox*>(box);
        QVERIFY2(picture, qPrintable(box));
        const qreal ratio = qApp->devicePixelRatio();
        const QSize pixels = (QSizeF(picture->size()) * ratio).toSize();

        // What lies behind the picture: the box drawn with nothing to show.
        PictureBox empty;
        empty.setParent(picture->parentWidget());
        empty.setGeometry(picture->geometry());
        empty.show();
        const QColor background = empty.grab().toImage().pixelColor(0, 0);

        const QImage shown = picture->grab().toImage();
        QCOMPARE(shown.size(), pixels);
        const QImage sharp = drawnDirectly(svg, pixels, background);
        const QImage enlarged = drawnDirectly(svg, picture->size(), background)
                                    .scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double fromSharp = difference(shown, sharp);
        const double fromEnlarged = difference(shown, enlarged);
        // Enlarging blurs every edge: what is shown must be much closer to the sharp drawing
        // (a larger bitmap made smaller differs from it only along the edges).
        QVERIFY2(fromSharp < fromEnlarged / 2,
                 qPrintable(QStringLiteral("difference from the sharp drawing %1, from the enlarged one %2")
                                .arg(fromSharp)
                                .arg(fromEnlarged)));
    }

    void pictureWithoutSvg_comesFromTheBitmapThatFits_data()
    {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("the smallest that covers") << 150 << QColor(Qt::green);
        QTest::newRow("exactly one of them") << 100 << QColor(Qt::red);
        QTest::newRow("below all of them") << 40 << QColor(Qt::red);
        QTest::newRow("beyond all of them: the largest") << 500 << QColor(Qt::blue);
    }
    void pictureWithoutSvg_comesFromTheBitmapThatFits()
    {
        // A build without Qt SVG has "<name>-<width>.png" beside each picture.
        QFETCH(int, pixels);
        QFETCH(QColor, expected);
        QTemporaryDir dir;
        for (const auto& [width, colour] : {std::pair{100, Qt::red}, {200, Qt::green}, {400, Qt::blue}, {300, Qt::black}}) {
            QImage bitmap(width, width, QImage::Format_ARGB32);
            bitmap.fill(colour);
            QVERIFY(bitmap.save(dir.filePath(QStringLiteral("sign-%1.png").arg(width == 300 ? QStringLiteral("x") : QString::number(width)))));
        }
        const QImage drawn = PictureBox::render(dir.filePath("sign.svg"), QSize(pixels, pixels));
        QCOMPARE(drawn.size(), QSize(pixels, pixels));
        QCOMPARE(drawn.pixelColor(pixels / 2, pixels / 2), expected);
    }
};

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestScale test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scale.moc"
