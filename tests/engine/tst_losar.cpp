// Losar in the Phugpa calendar: dates as they were announced for the celebrations, days
// of the Tibetan calendar named in public, and the note for a birth before Losar.
#include "engine/Losar.h"

#include <QTest>

namespace {
BirthData birth(int day, const QString& month, int year)
{
    BirthData data;
    data.day = qint16(day);
    data.month = month;
    data.year = qint16(year);
    return data;
}
} // namespace

Q_DECLARE_METATYPE(BirthData)

class TestLosar : public QObject
{
    Q_OBJECT
private slots:
    // Each date as Tibetan communities, news agencies and calendars announced it that year.
    void newYear_asAnnounced_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QDate>("losar");
        QTest::newRow("1984") << 1984 << QDate(1984, 3, 3);
        QTest::newRow("2000, first month twice") << 2000 << QDate(2000, 2, 6);
        QTest::newRow("2001") << 2001 << QDate(2001, 2, 24);
        QTest::newRow("2008") << 2008 << QDate(2008, 2, 7);
        QTest::newRow("2009") << 2009 << QDate(2009, 2, 25);
        QTest::newRow("2010") << 2010 << QDate(2010, 2, 14);
        QTest::newRow("2011, after a leap eleventh month") << 2011 << QDate(2011, 3, 5);
        QTest::newRow("2012") << 2012 << QDate(2012, 2, 22);
        QTest::newRow("2013") << 2013 << QDate(2013, 2, 11);
        QTest::newRow("2014") << 2014 << QDate(2014, 3, 2);
        QTest::newRow("2016") << 2016 << QDate(2016, 2, 9);
        QTest::newRow("2017") << 2017 << QDate(2017, 2, 27);
        QTest::newRow("2018") << 2018 << QDate(2018, 2, 16);
        QTest::newRow("2019, first month twice") << 2019 << QDate(2019, 2, 5);
        QTest::newRow("2020") << 2020 << QDate(2020, 2, 24);
        QTest::newRow("2021") << 2021 << QDate(2021, 2, 12);
        QTest::newRow("2022") << 2022 << QDate(2022, 3, 3);
        QTest::newRow("2023") << 2023 << QDate(2023, 2, 21);
        QTest::newRow("2024") << 2024 << QDate(2024, 2, 10);
        QTest::newRow("2025") << 2025 << QDate(2025, 2, 28);
    }
    void newYear_asAnnounced()
    {
        QFETCH(int, year);
        QFETCH(QDate, losar);
        QCOMPARE(Losar::newYear(year), losar);
    }

    // In 2000 and 2019 the first month came twice, and the year began with the first of the
    // two (the dates above): the regular first month followed a lunar month later.
    void endOfLunarDay_firstMonthTwice_isTheRegularMonth()
    {
        for (int year : {2000, 2019}) {
            const qint64 days = Losar::newYear(year).daysTo(Losar::endOfLunarDay(year, 1, 1));
            QVERIFY2(days >= 29 && days <= 31, qPrintable(QStringLiteral("%1: %2 days").arg(year).arg(days)));
        }
    }

    // Janson's paper is dated "8 January, 2014 (Wednesday 8, month 11, Water-Snake year)";
    // a Lhasa news caption says "Friday [2 March 2012] is the 9th day of the Water Dragon
    // year", the tenth day from Losar on 22 February on, because a number in between came
    // twice.
    void endOfLunarDay_knownDays_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("weekday");
        QTest::newRow("Wednesday 8, month 11, Water-Snake year") << 2013 << 11 << 8 << QDate(2014, 1, 8) << 3;
        QTest::newRow("9th day of the Water Dragon year") << 2012 << 1 << 9 << QDate(2012, 3, 2) << 5;
    }
    void endOfLunarDay_knownDays()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QDate, date);
        QFETCH(int, weekday);
        QCOMPARE(Losar::endOfLunarDay(year, month, day), date);
        QCOMPARE(date.dayOfWeek(), weekday);
    }

    // Every year the program can meet, 1929 included: Losar falls in late winter, and one
    // Losar follows the other after twelve lunar months (354 or 355 days) or, with a leap
    // month, thirteen (383 to 385 days).
    void newYear_everyYearFollowsTheLast()
    {
        QDate previous = Losar::newYear(1928);
        for (int year = 1929; year <= 2031; ++year) {
            const QDate losar = Losar::newYear(year);
            QVERIFY2(losar.isValid() && losar.year() == year, qPrintable(QString::number(year)));
            QVERIFY2(losar >= QDate(year, 1, 21) && losar <= QDate(year, 3, 15), qPrintable(losar.toString()));
            const qint64 days = previous.daysTo(losar);
            QVERIFY2((days >= 354 && days <= 355) || (days >= 383 && days <= 385),
                     qPrintable(QStringLiteral("%1: %2 days").arg(year).arg(days)));
            previous = losar;
        }
    }

    void noteFor_birthBeforeLosar()
    {
        const std::optional<Losar::Note> note = Losar::noteFor(birth(2, QStringLiteral("March"), 1984));
        QVERIFY(note);
        QCOMPARE(note->newYear, QDate(1984, 3, 3));
        QCOMPARE(note->traditionalYear, QStringLiteral("Water-Boar"));
    }

    void noteFor_nothing_data()
    {
        QTest::addColumn<BirthData>("data");
        QTest::newRow("on Losar") << birth(3, QStringLiteral("March"), 1984);
        QTest::newRow("after Losar") << birth(4, QStringLiteral("March"), 1984);
        QTest::newRow("31 December") << birth(31, QStringLiteral("December"), 1984);
        QTest::newRow("year the reading does not cover") << birth(1, QStringLiteral("January"), 2031);
        QTest::newRow("year before the reading's first") << birth(1, QStringLiteral("January"), 1929);
        QTest::newRow("month name not exact") << birth(20, QStringLiteral("january"), 1984);
        QTest::newRow("30 February") << birth(30, QStringLiteral("February"), 1984);
        QTest::newRow("day 0") << birth(0, QStringLiteral("January"), 1984);
    }
    void noteFor_nothing()
    {
        QFETCH(BirthData, data);
        QVERIFY(!Losar::noteFor(data));
    }
};

QTEST_MAIN(TestLosar)
#include "tst_losar.moc"
