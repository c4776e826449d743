// Every text a person sees can be translated. Under a pseudo-translation, made from
// what lupdate finds in the product code with every entry marked, each window, tab,
// menu, dialog and message is opened and any visible text without the mark fails:
// it was written past tr() or hidden from lupdate. The reading's own data (names, the
// Tibetan sign name, paragraphs) and the promotional texts, which are content of their
// own, are the only texts allowed through unmarked.
#include "data/PromoTexts.h"
#include "translations/VisibleTexts.h"

#include <QTest>
#include <QTranslator>

namespace {

bool marked(const QString& text)
{
    return text.contains(u'\u27e6') && text.contains(u'\u27e7');
}

} // namespace

class TestTranslatable : public QObject
{
    Q_OBJECT
    QTranslator m_pseudo;

private slots:
    void initTestCase()
    {
        QVERIFY2(m_pseudo.load(QStringLiteral(ZARVO_PSEUDO_CATALOGUE)), ZARVO_PSEUDO_CATALOGUE);
        QVERIFY(QCoreApplication::installTranslator(&m_pseudo));
    }

    void everyTextIsMarked()
    {
        QStringList promo;
        for (const char* name : {"forum-invitation", "cobrand", "fullbrand", "about-description", "about-homepage",
                                 "about-business", "nag-0", "nag-1", "nag-2", "nag-3", "nag-catalogue"})
            promo << PromoTexts::text(name);
        QStringList unmarked;
        int messages = 0;
        for (const VisibleTexts::Text& shown : VisibleTexts::everyScreen(true)) {
            messages += shown.owner.endsWith(QLatin1String("/message"));
            // Qt's own texts are in Qt's catalogue; a report line holds the reading after
            // its caption, which is checked on its own.
            if (shown.owner.startsWith(QLatin1String("Qt/")) || shown.owner == QLatin1String("report/line"))
                continue;
            if (!marked(shown.text) && !promo.contains(shown.text))
                unmarked << shown.owner + QStringLiteral(": ") + shown.text;
        }
        // Main window 6, report 1, support screen 4, start 3.
        QCOMPARE(messages, 14);
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(QStringLiteral(" | "))));
    }
};

QTEST_MAIN(TestTranslatable)
#include "tst_translatable.moc"
