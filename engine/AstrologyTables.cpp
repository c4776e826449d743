#include "engine/AstrologyTables.h"

#include <QCoreApplication>
#include <QtGlobal>

namespace AstrologyTables {

// The translations and the western and animal names are shown through shownName().
const std::array<SunSignRow, 12> sunSigns{{
    {u"Lug", QT_TRANSLATE_NOOP("AstrologyTables", "Lamb"),
     QT_TRANSLATE_NOOP("AstrologyTables", "Aries"), "western/aries"},
    {u"L\u00e4ng", QT_TRANSLATE_NOOP("AstrologyTables", "Two Bulls in plough"),
     QT_TRANSLATE_NOOP("AstrologyTables", "Taurus"), "western/taurus"},
    {u"Khrig", QT_TRANSLATE_NOOP("AstrologyTables", "Husband and wife"),
     QT_TRANSLATE_NOOP("AstrologyTables", "Gemini"), "western/gemini"},
    {u"Kata", QT_TRANSLATE_NOOP("AstrologyTables", "Frog"),
     QT_TRANSLATE_NOOP("AstrologyTables", "Cancer"), "western/cancer"},
    {u"Senge", QT_TRANSLATE_NOOP("AstrologyTables", "Snow Lion"),
     QT_TRANSLATE_NOOP("AstrologyTables", "Leo"), "western/leo"},
    {u"Bhumo", QT_TRANSLATE_NOOP("AstrologyTables", "Virgin"),
     QT_TRANSLATE_NOOP("AstrologyTables", "Virgo"), "western/virgo"},
    {u"Sang", QT_TRANSLATE_NOOP("AstrologyTables", "Balance"),
     QT_TRANSLATE_NOOP("AstrologyTables", "Libra"), "western/libra"},
    {u"Dhig", QT_TRANSLATE_NOOP("AstrologyTables", "Scorpio"),
     QT_TRANSLATE_NOOP("AstrologyTables", "Scorpio"), "western/scorpio"},
    {u"Sh\u00fc", QT_TRANSLATE_NOOP("AstrologyTables", "Game"),
     QT_TRANSLATE_NOOP("AstrologyTables", "Sagittarius"), "western/sagittarius"},
    {u"Chusin", QT_TRANSLATE_NOOP("AstrologyTables", "Crocodile"),
     QT_TRANSLATE_NOOP("AstrologyTables", "Capricorn"), "western/capricorn"},
    {u"Bhumpa", QT_TRANSLATE_NOOP("AstrologyTables", "Water bearer"),
     QT_TRANSLATE_NOOP("AstrologyTables", "Aquarius"), "western/aquarius"},
    {u"Nya", QT_TRANSLATE_NOOP("AstrologyTables", "Fish"),
     QT_TRANSLATE_NOOP("AstrologyTables", "Pisces"), "western/pisces"},
}};

const std::array<MonthRule, 12> monthRules{{
    {QT_TRANSLATE_NOOP("Month", "January"), 12, u"Sh\u00fc", u"Chusin"},
    {QT_TRANSLATE_NOOP("Month", "February"), 11, u"Chusin", u"Bhumpa"},
    {QT_TRANSLATE_NOOP("Month", "March"), 12, u"Bhumpa", u"Nya"},
    {QT_TRANSLATE_NOOP("Month", "April"), 11, u"Nya", u"Lug"},
    {QT_TRANSLATE_NOOP("Month", "May"), 12, u"Lug", u"L\u00e4ng"},
    {QT_TRANSLATE_NOOP("Month", "June"), 12, u"L\u00e4ng", u"Khrig"},
    {QT_TRANSLATE_NOOP("Month", "July"), 13, u"Khrig", u"Kata"},
    {QT_TRANSLATE_NOOP("Month", "August"), 13, u"Kata", u"Senge"},
    {QT_TRANSLATE_NOOP("Month", "September"), 14, u"Senge", u"Bhumo"},
    {QT_TRANSLATE_NOOP("Month", "October"), 13, u"Bhumo", u"Sang"},
    {QT_TRANSLATE_NOOP("Month", "November"), 14, u"Sang", u"Dhig"},
    {QT_TRANSLATE_NOOP("Month", "December"), 14, u"Dhig", u"Sh\u00fc"},
}};

const std::array<NamedRow, 12> animals{{
    {QT_TRANSLATE_NOOP("AstrologyTables", "Rat"), "animal/rat"},
    {QT_TRANSLATE_NOOP("AstrologyTables", "Ox"), "animal/ox"},
    {QT_TRANSLATE_NOOP("AstrologyTables", "Tiger"), "animal/tiger"},
    {QT_TRANSLATE_NOOP("AstrologyTables", "Hare"), "animal/hare"},
    {QT_TRANSLATE_NOOP("AstrologyTables", "Dragon"), "animal/dragon"},
    {QT_TRANSLATE_NOOP("AstrologyTables", "Snake"), "animal/snake"},
    {QT_TRANSLATE_NOOP("AstrologyTables", "Horse"), "animal/horse"},
    {QT_TRANSLATE_NOOP("AstrologyTables", "Sheep"), "animal/sheep"},
    {QT_TRANSLATE_NOOP("AstrologyTables", "Monkey"), "animal/monkey"},
    {QT_TRANSLATE_NOOP("AstrologyTables", "Rooster"), "animal/rooster"},
    {QT_TRANSLATE_NOOP("AstrologyTables", "Dog"), "animal/dog"},
    {QT_TRANSLATE_NOOP("AstrologyTables", "Boar"), "animal/boar"},
}};

const std::array<NamedRow, 5> elements{{
    {QT_TRANSLATE_NOOP("AstrologyTables", "Earth"), "element/earth"},
    {QT_TRANSLATE_NOOP("AstrologyTables", "Fire"), "element/fire"},
    {QT_TRANSLATE_NOOP("AstrologyTables", "Water"), "element/water"},
    {QT_TRANSLATE_NOOP("AstrologyTables", "Iron"), "element/iron"},
    {QT_TRANSLATE_NOOP("AstrologyTables", "Wood"), "element/wood"},
}};

QString cycleNameByRule(int year)
{
    // Each element covers two consecutive years; the animals repeat every twelve.
    // The element order here differs from the elements table on purpose.
    static const char* const elementCycle[] = {"Iron", "Water", "Wood", "Fire", "Earth"};
    static const char* const animalCycle[] = {"Horse", "Sheep",   "Monkey", "Rooster",
                                              "Dog",   "Boar",    "Rat",    "Ox",
                                              "Tiger", "Hare",    "Dragon", "Snake"};
    // Counted from 1930, rounding down also for the years before it.
    const int n = year - FirstYear;
    const int pair = n >= 0 ? n / 2 : (n - 1) / 2;
    return QString::fromLatin1(elementCycle[(pair % 5 + 5) % 5]) + u'-'
           + QString::fromLatin1(animalCycle[(n % 12 + 12) % 12]);
}

const QStringList& yearCycleNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (int year = FirstYear; year <= LastYear; ++year)
            list << cycleNameByRule(year);
        return list;
    }();
    return names;
}

QString cycleNameOfYear(int year)
{
    if (year < FirstYear || year > LastYear)
        return {};
    return yearCycleNames().at(year - FirstYear);
}

QString shownName(const QString& name)
{
    return QCoreApplication::translate("AstrologyTables", name.toUtf8().constData());
}

QString shownCycleName(const QString& cycleName)
{
    const qsizetype dash = cycleName.indexOf(u'-');
    if (dash < 0)
        return shownName(cycleName);
    return shownName(cycleName.left(dash)) + u'-' + shownName(cycleName.mid(dash + 1));
}

int monthNumber(const QString& month)
{
    for (int i = 0; i < int(monthRules.size()); ++i) {
        if (month == QLatin1String(monthRules[i].month))
            return i + 1;
    }
    return 0;
}

} // namespace AstrologyTables
