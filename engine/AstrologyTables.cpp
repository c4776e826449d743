#include "engine/AstrologyTables.h"

#include <QtGlobal>

namespace AstrologyTables {

const std::array<SunSignRow, 12> sunSigns{{
    {u"Lug", "Lamb", "Aries", "western/aries"},
    {u"L\u00e4ng", "Two Bulls in plough", "Taurus", "western/taurus"},
    {u"Khrig", "Husband and wife", "Gemini", "western/gemini"},
    {u"Kata", "Frog", "Cancer", "western/cancer"},
    {u"Senge", "Snow Lion", "Leo", "western/leo"},
    {u"Bhumo", "Virgin", "Virgo", "western/virgo"},
    {u"Sang", "Balance", "Libra", "western/libra"},
    {u"Dhig", "Scorpio", "Scorpio", "western/scorpio"},
    {u"Sh\u00fc", "Game", "Sagittarius", "western/sagittarius"},
    {u"Chusin", "Crocodile", "Capricorn", "western/capricorn"},
    {u"Bhumpa", "Water bearer", "Aquarius", "western/aquarius"},
    {u"Nya", "Fish", "Pisces", "western/pisces"},
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
    {"Rat", "animal/rat"},
    {"Ox", "animal/ox"},
    {"Tiger", "animal/tiger"},
    {"Hare", "animal/hare"},
    {"Dragon", "animal/dragon"},
    {"Snake", "animal/snake"},
    {"Horse", "animal/horse"},
    {"Sheep", "animal/sheep"},
    {"Monkey", "animal/monkey"},
    {"Rooster", "animal/rooster"},
    {"Dog", "animal/dog"},
    {"Boar", "animal/boar"},
}};

const std::array<NamedRow, 5> elements{{
    {"Earth", "element/earth"},
    {"Fire", "element/fire"},
    {"Water", "element/water"},
    {"Iron", "element/iron"},
    {"Wood", "element/wood"},
}};

QString cycleNameByRule(int year)
{
    // Each element covers two consecutive years; the animals repeat every twelve.
    // The element order here differs from Table 3 on purpose.
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

int monthNumber(const QString& month)
{
    for (int i = 0; i < int(monthRules.size()); ++i) {
        if (month == QLatin1String(monthRules[i].month))
            return i + 1;
    }
    return 0;
}

} // namespace AstrologyTables
