#include "engine/AstrologyTables.h"
#include "engine/ComputeReading.h"
#include "engine/Paragraphs.h"

#include <QTest>

namespace {
BirthData birth(const QString& month, int day, int year)
{
    BirthData data;
    data.month = month;
    data.day = qint16(day);
    data.year = qint16(year);
    return data;
}

Reading compute(const QString& month, int day, int year)
{
    return computeReading(birth(month, day, year));
}
} // namespace

class TestComputeReading : public QObject
{
    Q_OBJECT
private slots:
    // The sign on either side of each month's threshold; Shü, from 15 December to 12
    // January, wraps over the year's end within December's and January's rows.
    void monthThresholds_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        const struct
        {
            const char* month;
            int threshold;
            const char16_t* first;
            const char16_t* second;
        } rows[] = {
            {"January", 12, u"Sh\u00fc", u"Chusin"}, {"February", 11, u"Chusin", u"Bhumpa"},
            {"March", 12, u"Bhumpa", u"Nya"},         {"April", 11, u"Nya", u"Lug"},
            {"May", 12, u"Lug", u"L\u00e4ng"},        {"June", 12, u"L\u00e4ng", u"Khrig"},
            {"July", 13, u"Khrig", u"Kata"},          {"August", 13, u"Kata", u"Senge"},
            {"September", 14, u"Senge", u"Bhumo"},    {"October", 13, u"Bhumo", u"Sang"},
            {"November", 14, u"Sang", u"Dhig"},       {"December", 14, u"Dhig", u"Sh\u00fc"},
        };
        for (const auto& row : rows)
            QTest::newRow(row.month) << QString::fromLatin1(row.month) << row.threshold
                                     << QString::fromUtf16(row.first) << QString::fromUtf16(row.second);
    }
    void monthThresholds()
    {
        QFETCH(QString, month);
        QFETCH(int, threshold);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QCOMPARE(compute(month, threshold, 1984).tibetanSunSign, first);
        QCOMPARE(compute(month, threshold + 1, 1984).tibetanSunSign, second);
        // Days outside 1..31 still fall on one side of the threshold.
        QCOMPARE(compute(month, 0, 1984).tibetanSunSign, first);
        QCOMPARE(compute(month, -5, 1984).tibetanSunSign, first);
        QCOMPARE(compute(month, 32, 1984).tibetanSunSign, second);
        QCOMPARE(compute(month, 32767, 1984).tibetanSunSign, second);
        QCOMPARE(compute(month, -32768, 1984).tibetanSunSign, first);
    }

    void everySunSignRowHasItsCounterpart_data()
    {
        QTest::addColumn<QString>("tibetan");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QString>("western");
        QTest::addColumn<int>("picture");
        const struct
        {
            const char16_t* tibetan;
            const char* translation;
            const char* western;
            int picture;
        } rows[] = {
            {u"Lug", "Lamb", "Aries", 1},
            {u"L\u00e4ng", "Two Bulls in plough", "Taurus", 2},
            {u"Khrig", "Husband and wife", "Gemini", 3},
            {u"Kata", "Frog", "Cancer", 4},
            {u"Senge", "Snow Lion", "Leo", 5},
            {u"Bhumo", "Virgin", "Virgo", 6},
            {u"Sang", "Balance", "Libra", 7},
            {u"Dhig", "Scorpio", "Scorpio", 8},
            {u"Sh\u00fc", "Game", "Sagittarius", 9},
            {u"Chusin", "Crocodile", "Capricorn", 10},
            {u"Bhumpa", "Water bearer", "Aquarius", 11},
            {u"Nya", "Fish", "Pisces", 12},
        };
        for (const auto& row : rows)
            QTest::newRow(row.western) << QString::fromUtf16(row.tibetan) << QString::fromLatin1(row.translation)
                                       << QString::fromLatin1(row.western) << row.picture;
    }
    void everySunSignRowHasItsCounterpart()
    {
        QFETCH(QString, tibetan);
        QFETCH(QString, translation);
        QFETCH(QString, western);
        QFETCH(int, picture);
        Reading reading;
        reading.tibetanSunSign = tibetan;
        reading = computeReading(birth(QStringLiteral("Smarch"), 1, 1984), reading);  // unknown month keeps the sign
        QCOMPARE(reading.westernSunSign, western);
        QCOMPARE(reading.tibetanSunSignTranslation, translation);
        QCOMPARE(reading.sunSignImage, picture);
        // Each sign shows its own paragraph ("Capricorn": "western/capricorn").
        QCOMPARE(reading.westernSunSignText, Paragraphs::text(QStringLiteral("western/") + western.toLower()));
    }

    void yearCycle_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("animal");
        QTest::newRow("1930") << 1930 << "Iron" << "Horse";
        QTest::newRow("1931") << 1931 << "Iron" << "Sheep";
        QTest::newRow("1932") << 1932 << "Water" << "Monkey";
        QTest::newRow("1984") << 1984 << "Wood" << "Rat";
        QTest::newRow("1989") << 1989 << "Earth" << "Snake";
        QTest::newRow("1990") << 1990 << "Iron" << "Horse";
        QTest::newRow("2030") << 2030 << "Iron" << "Dog";
    }
    void yearCycle()
    {
        QFETCH(int, year);
        QFETCH(QString, element);
        QFETCH(QString, animal);
        const Reading early = compute("June", 1, year);
        const Reading late = compute("December", 31, year);  // no new-year date is considered
        QCOMPARE(early.element, element);
        QCOMPARE(early.animalSign, animal);
        QCOMPARE(late.element, element);
        QCOMPARE(late.animalSign, animal);
    }

    void yearTable_publishedNames()
    {
        // Twelve years in a row name every animal and both years of every element; the
        // later ones are years people look up, and the table's ends.
        const std::pair<int, const char*> rows[] = {
            {1930, "Iron-Horse"},  {1931, "Iron-Sheep"},  {1932, "Water-Monkey"}, {1933, "Water-Rooster"},
            {1934, "Wood-Dog"},    {1935, "Wood-Boar"},   {1936, "Fire-Rat"},     {1937, "Fire-Ox"},
            {1938, "Earth-Tiger"}, {1939, "Earth-Hare"},  {1940, "Iron-Dragon"},  {1941, "Iron-Snake"},
            {1983, "Water-Boar"},  {1984, "Wood-Rat"},    {1990, "Iron-Horse"},   {2024, "Wood-Dragon"},
            {2025, "Wood-Snake"},  {2030, "Iron-Dog"},
        };
        for (const auto& [year, name] : rows)
            QCOMPARE(AstrologyTables::cycleNameOfYear(year), QLatin1String(name));
        QCOMPARE(AstrologyTables::yearCycleNames().size(), 101);
        QCOMPARE(AstrologyTables::cycleNameOfYear(1929), QString());
        QCOMPARE(AstrologyTables::cycleNameOfYear(2031), QString());
        QCOMPARE(AstrologyTables::cycleNameByRule(1929), QStringLiteral("Earth-Snake"));  // the Losar note's year
    }

    void everyYearFindsItsParagraphs()
    {
        // Picture numbers follow this order; each animal and element shows its own paragraph.
        const QStringList animals = {"Rat",   "Ox",    "Tiger",  "Hare",    "Dragon", "Snake",
                                     "Horse", "Sheep", "Monkey", "Rooster", "Dog",    "Boar"};
        for (int year = 1930; year <= 2030; ++year) {
            const Reading r = compute("May", 20, year);
            QVERIFY2(!r.animalSignText.isEmpty() && !r.elementText.isEmpty(), qPrintable(QString::number(year)));
            QVERIFY2(animals.contains(r.animalSign), qPrintable(QString::number(year)));
            QCOMPARE(r.animalSignImage, animals.indexOf(r.animalSign) + 1);
            QCOMPARE(r.animalSignText, Paragraphs::text(QStringLiteral("animal/") + r.animalSign.toLower()));
            QCOMPARE(r.elementText, Paragraphs::text(QStringLiteral("element/") + r.element.toLower()));
        }
    }

    void yearOutsideTheTable_firstComputation()
    {
        for (int year : {1929, 2031, 0, -1, 32767}) {
            const Reading r = compute("March", 25, year);
            QCOMPARE(r.animalSign, QString());
            QCOMPARE(r.element, QString());
            QCOMPARE(r.animalSignText, QString());
            QCOMPARE(r.elementText, QString());
            QCOMPARE(r.animalSignImage, 0);
            QCOMPARE(r.tibetanSunSign, QStringLiteral("Nya"));  // the sun sign does not depend on the year
            QCOMPARE(r.sunSignImage, 12);
        }
    }

    void yearOutsideTheTable_keepsEarlierValues()
    {
        Reading reading;
        reading = computeReading(birth("March", 25, 1984), reading);
        reading = computeReading(birth("July", 20, 2031), reading);
        QCOMPARE(reading.animalSign, QStringLiteral("Rat"));
        QCOMPARE(reading.element, QStringLiteral("Wood"));
        QCOMPARE(reading.animalSignText, Paragraphs::text("animal/rat"));
        QCOMPARE(reading.animalSignImage, 0);  // the picture numbers describe this computation only
        QCOMPARE(reading.tibetanSunSign, QStringLiteral("Kata"));
        QCOMPARE(reading.sunSignImage, 4);
    }

    void unknownMonth_firstComputation()
    {
        for (const char* month : {"march", "Mar", "MARCH", "", " March", "March "}) {
            const Reading r = compute(QString::fromLatin1(month), 25, 1984);
            QCOMPARE(r.tibetanSunSign, QString());
            QCOMPARE(r.westernSunSign, QString());
            QCOMPARE(r.tibetanSunSignTranslation, QString());
            QCOMPARE(r.sunSignImage, 0);
            QCOMPARE(r.animalSign, QStringLiteral("Rat"));  // the year still counts
        }
    }

    void unknownMonth_keepsThePreviousSign()
    {
        Reading reading;
        reading = computeReading(birth("March", 25, 1984), reading);
        reading = computeReading(birth("march", 1, 1990), reading);
        QCOMPARE(reading.tibetanSunSign, QStringLiteral("Nya"));
        QCOMPARE(reading.westernSunSign, QStringLiteral("Pisces"));
        QCOMPARE(reading.sunSignImage, 12);  // set again for the previous sign
        QCOMPARE(reading.animalSign, QStringLiteral("Horse"));
    }

    void namesAreComparedExactly()
    {
        // "Läng" and "Shü" must match by code unit, not by a decomposed or folded form.
        Reading decomposed;
        decomposed.tibetanSunSign = QString::fromUtf16(u"La\u0308ng");
        decomposed = computeReading(birth("Nomonth", 1, 1984), decomposed);
        QCOMPARE(decomposed.westernSunSign, QString());
        QCOMPARE(decomposed.sunSignImage, 0);
    }
};

QTEST_APPLESS_MAIN(TestComputeReading)
#include "tst_computereading.moc"
