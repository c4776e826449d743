// The content compiled into the program: pictures, the icon and the promotional texts,
// and the image lists that address the pictures by number.
#include "app/Application.h"
#include "data/PromoTexts.h"
#include "site/WebAddress.h"
#include "testlib/FakePlatform.h"
#include "testlib/GuiTestHelpers.h"
#include "ui/ResultWindow.h"
#include "widgets/PictureBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

namespace {

// Every sign's or animal's picture compiled in, as resource paths; which picture is
// whose is the tables' business, tested where the windows show them.
QStringList picturesOf(const QString& kind)
{
    QStringList paths;
    for (const QString& name : QDir(QStringLiteral(":/pictures/") + kind).entryList({QStringLiteral("*.svg")}))
        paths << QStringLiteral(":/pictures/%1/%2").arg(kind, name);
    return paths;
}
const QStringList Promos = {"forum-invitation", "cobrand", "fullbrand", "about-description", "about-homepage",
                            "about-business",   "nag-0",   "nag-1",     "nag-2",             "nag-3",
                            "nag-catalogue"};

} // namespace

class TestContent : public QObject
{
    Q_OBJECT
private slots:
    void pictures_data()
    {
        QTest::addColumn<QString>("resource");
        QCOMPARE(picturesOf("western").size(), 12);
        QCOMPARE(picturesOf("animal").size(), 12);
        for (const QString& path : picturesOf("western") + picturesOf("animal"))
            QTest::newRow(qPrintable(path)) << path;
        QTest::newRow("icon") << QStringLiteral(":/icon/zarvo.svg");
    }
    void pictures()
    {
        QFETCH(QString, resource);
        QVERIFY2(QFile::exists(resource), qPrintable(resource));
        QSvgRenderer renderer(resource);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), QSize(200, 200));
        QCOMPARE(renderer.viewBoxF(), QRectF(0, 0, 200, 200));

        QImage image(200, 200, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            renderer.render(&painter);
        }
        int opaque = 0;
        for (int y = 80; y < 120; ++y) {
            for (int x = 80; x < 120; ++x) {
                if (qAlpha(image.pixel(x, y)) > 0)
                    ++opaque;
            }
        }
        QVERIFY2(opaque > 0, "nothing drawn in the centre");
        // Not one flat colour: the picture shows something.
        QSet<QRgb> colours;
        for (int y = 0; y < 200; y += 4) {
            for (int x = 0; x < 200; x += 4)
                colours.insert(image.pixel(x, y));
        }
        QVERIFY2(colours.size() > 4, qPrintable(QString::number(colours.size())));
    }

    // The picture box draws through the SVG image plugin, at the size it is shown.
    void pictures_drawnByThePictureBoxAsTheRendererDrawsThem_data() { pictures_data(); }
    void pictures_drawnByThePictureBoxAsTheRendererDrawsThem()
    {
        QFETCH(QString, resource);
        const QSize pixels(117, 85);  // not square: the picture fills the box like the renderer does
        QImage expected(pixels, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        {
            QPainter painter(&expected);
            painter.setRenderHint(QPainter::Antialiasing);
            QSvgRenderer(resource).render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
        }
        const QImage drawn = PictureBox::render(resource, pixels);
        QCOMPARE(drawn.size(), pixels);
        QCOMPARE(drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied), expected);
    }

    void pictureBox_unreadablePictureIsTransparent()
    {
        const QImage drawn = PictureBox::render(QStringLiteral(":/pictures/western/nothing.svg"), QSize(20, 10));
        QCOMPARE(drawn.size(), QSize(20, 10));
        QCOMPARE(qAlpha(drawn.pixel(5, 5)), 0);
    }

    void pictures_distinct()
    {
        // Every sign and animal has a picture of its own.
        QSet<QByteArray> seen;
        for (const QString& path : picturesOf("western") + picturesOf("animal")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray content = file.readAll();
            QVERIFY2(!seen.contains(content), qPrintable(path));
            seen.insert(content);
        }
    }

    void imageLists_addressPicturesByNumber()
    {
        FakePlatform platform;
        Application app(platform);
        app.showResultWindow(GuiTest::person(QString(), QString(), 25, QStringLiteral("March"), 1984));
        ResultWindow* window = app.resultWindow();
        QVERIFY(window);
        auto* sun = window->findChild<ImageList*>("imgTibetanSunSign");
        auto* animal = window->findChild<ImageList*>("imgTibetanAnimalSign");
        QVERIFY(sun && animal);
        // Each number names a picture of its own; the lists run from Aries and the Rat.
        QSet<QString> named;
        for (int n = 1; n <= 12; ++n) {
            QVERIFY(QSvgRenderer(sun->picture(n)).isValid());
            QVERIFY(QSvgRenderer(animal->picture(n)).isValid());
            named << sun->picture(n) << animal->picture(n);
        }
        QCOMPARE(named.size(), 24);
        QCOMPARE(sun->picture(1), QStringLiteral(":/pictures/western/aries.svg"));
        QCOMPARE(animal->picture(12), QStringLiteral(":/pictures/animal/boar.svg"));
        for (int n : {0, 13, -1}) {
            QCOMPARE(sun->picture(n), QString());
            QCOMPARE(animal->picture(n), QString());
        }
        app.quitApplication();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void promoTexts_present()
    {
        for (const QString& name : Promos) {
            const QString text = PromoTexts::text(qPrintable(name));
            QVERIFY2(!text.isEmpty(), qPrintable(name));
            QVERIFY2(!text.contains(QLatin1String("{site}")), qPrintable(name));
            QVERIFY2(!text.contains(QLatin1String("{forum}")), qPrintable(name));
            QVERIFY2(!text.contains(u'{') && !text.contains(u'}'), qPrintable(name));
            QVERIFY2(text == text.trimmed(), qPrintable(name));
        }
        QCOMPARE(PromoTexts::text("no-such-text"), QString());
    }

    void promoTexts_openings_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("opening");
        QTest::newRow("cobrand") << "cobrand"
                                 << "Co-brand this software for your site.";
        QTest::newRow("fullbrand") << "fullbrand"
                                   << "Home Business Opportunity.";
        QTest::newRow("about-business") << "about-business"
                                        << "Home Business Opportunity.";
        QTest::newRow("about-description")
            << "about-description"
            << "Zarvo Tibetan Astrology is an advanced yet easy-to-use software which determines your Tibetan "
               "zodiac sign from your date of birth.";
        QTest::newRow("nag-catalogue") << "nag-catalogue"
                                       << "If you have enjoyed this software";
        QTest::newRow("nag-0") << "nag-0"
                               << "Ovanthe Softwares, such as this can be created";
    }
    void promoTexts_openings()
    {
        QFETCH(QString, name);
        QFETCH(QString, opening);
        const QString text = PromoTexts::text(qPrintable(name));
        QVERIFY2(text.startsWith(opening), qPrintable(text));
    }

    void promoTexts_addresses()
    {
        const QString site = WebAddress::siteDisplay();
        const QString forum = WebAddress::forumDisplay();
        QVERIFY(!site.isEmpty() && !site.contains(QLatin1String("://")));
        QVERIFY(!forum.isEmpty() && !forum.contains(QLatin1String("://")));
        QVERIFY(PromoTexts::text("about-homepage").contains(site));
        QVERIFY(PromoTexts::text("forum-invitation").contains(site));
        // The support screen's paragraphs, one of which it shows, name the forum.
        const int lengths[] = {227, 211, 160, 196};
        for (int k = 0; k < 4; ++k) {
            const QString text = PromoTexts::text(qPrintable(QStringLiteral("nag-%1").arg(k)));
            QVERIFY2(text.contains(forum), qPrintable(text));
            QCOMPARE(text.size(), lengths[k]);
        }
        // About 600 characters of catalogue prose.
        const int catalogue = int(PromoTexts::text("nag-catalogue").size());
        QVERIFY2(catalogue > 450 && catalogue < 750, qPrintable(QString::number(catalogue)));
        // The one-line forum invitation fits one line.
        QVERIFY(!PromoTexts::text("forum-invitation").contains(u'\n'));
    }
};

QTEST_MAIN(TestContent)
#include "tst_content.moc"
