#include "AstrologyTables.h"

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
    {"January", 12, u"Sh\u00fc", u"Chusin"},
    {"February", 11, u"Chusin", u"Bhumpa"},
    {"March", 12, u"Bhumpa", u"Nya"},
    {"April", 11, u"Nya", u"Lug"},
    {"May", 12, u"Lug", u"L\u00e4ng"},
    {"June", 12, u"L\u00e4ng", u"Khrig"},
    {"July", 13, u"Khrig", u"Kata"},
    {"August", 13, u"Kata", u"Senge"},
    {"September", 14, u"Senge", u"Bhumo"},
    {"October", 13, u"Bhumo", u"Sang"},
    {"November", 14, u"Sang", u"Dhig"},
    {"December", 14, u"Dhig", u"Sh\u00fc"},
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

const QStringList& yearCycleNames()
{
    // Each element covers two consecutive years; the animals repeat every twelve.
    // The element order here differs from Table 3 on purpose.
    static const QStringList names = [] {
        static const char* const elementCycle[] = {"Iron", "Water", "Wood", "Fire", "Earth"};
        static const char* const animalCycle[] = {"Horse", "Sheep",   "Monkey", "Rooster",
                                                  "Dog",   "Boar",    "Rat",    "Ox",
                                                  "Tiger", "Hare",    "Dragon", "Snake"};
        QStringList list;
        for (int n = 0; n <= LastYear - FirstYear; ++n)
            list << QString::fromLatin1(elementCycle[(n / 2) % 5]) + u'-'
                        + QString::fromLatin1(animalCycle[n % 12]);
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

} // namespace AstrologyTables
