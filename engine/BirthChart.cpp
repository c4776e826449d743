#include "engine/BirthChart.h"

#include "engine/AstrologyTables.h"

#include <QDate>

namespace TibetanChart {
namespace {

// Elements in the order of the sixty-year cycle, which is also the order in which each
// feeds the next (water feeds wood again): the soul is the element before the life force.
enum Element { Wood, Fire, Earth, Iron, Water };

// Tibetan script with the Wylie transliteration beside it; the tsheg (U+0F0B) ends a
// syllable inside a name.
const std::array<Name, 5> elementNames{{
    {"Wood", u"\u0f64\u0f72\u0f44"},        // shing
    {"Fire", u"\u0f58\u0f7a"},              // me
    {"Earth", u"\u0f66"},                   // sa
    {"Iron", u"\u0f63\u0f95\u0f42\u0f66"},  // lcags
    {"Water", u"\u0f46\u0f74"},             // chu
}};

const std::array<Name, 2> sexNames{{
    {"Male", u"\u0f55\u0f7c"},    // pho
    {"Female", u"\u0f58\u0f7c"},  // mo
}};

// The animals from the Rat, the first year of the cycle.
const std::array<Name, 12> animalNames{{
    {"Rat", u"\u0f56\u0fb1\u0f72\u0f0b\u0f56"},     // byi ba
    {"Ox", u"\u0f42\u0fb3\u0f44"},                  // glang
    {"Tiger", u"\u0f66\u0f9f\u0f42"},               // stag
    {"Hare", u"\u0f61\u0f7c\u0f66"},                // yos
    {"Dragon", u"\u0f60\u0f56\u0fb2\u0f74\u0f42"},  // 'brug
    {"Snake", u"\u0f66\u0fa6\u0fb2\u0f74\u0f63"},   // sbrul
    {"Horse", u"\u0f62\u0f9f"},                     // rta
    {"Sheep", u"\u0f63\u0f74\u0f42"},               // lug
    {"Monkey", u"\u0f66\u0fa4\u0fb2\u0f7a\u0f63"},  // sprel
    {"Rooster", u"\u0f56\u0fb1"},                   // bya
    {"Dog", u"\u0f41\u0fb1\u0f72"},                 // khyi
    {"Boar", u"\u0f55\u0f42"},                      // phag
}};

const std::array<Name, 6> colourNames{{
    {"White", u"\u0f51\u0f40\u0f62"},       // dkar
    {"Black", u"\u0f53\u0f42"},             // nag
    {"Blue", u"\u0f66\u0f94\u0f7c\u0f53"},  // sngon
    {"Green", u"\u0f63\u0f97\u0f44"},       // ljang
    {"Yellow", u"\u0f66\u0f7a\u0f62"},      // ser
    {"Red", u"\u0f51\u0f58\u0f62"},         // dmar
}};

// Life force: the element of the animal's direction (Tiger and Hare east, wood; Snake and
// Horse south, fire; Monkey and Rooster west, iron; Boar and Rat north, water; the four
// animals between the directions, earth).
constexpr Element lifeForceOfAnimal[12] = {Water, Earth, Wood, Wood, Earth, Fire,
                                           Fire, Earth, Iron, Iron, Earth, Water};

// Luck, the wind-horse: one element for each group of three animals four years apart
// (Rat, Dragon, Monkey wood; Ox, Snake, Rooster water; Tiger, Horse, Dog iron; Hare,
// Sheep, Boar fire).
constexpr Element luckOfAnimal[12] = {Wood, Water, Iron, Fire, Wood, Water,
                                      Iron, Fire, Wood, Water, Iron, Fire};

// Body: the na-yin element shared by each pair of years of the cycle, from Wood-Rat and
// Wood-Ox on. It follows none of the orders above, so it is kept as the table it is.
constexpr Element bodyOfPair[30] = {
    Iron, Fire, Wood, Earth, Iron, Fire,     // Wood-Rat to Wood-Boar
    Water, Earth, Iron, Wood, Water, Earth,  // Fire-Rat to Fire-Boar
    Fire, Wood, Water, Iron, Fire, Wood,     // Earth-Rat to Earth-Boar
    Earth, Iron, Fire, Water, Earth, Iron,   // Iron-Rat to Iron-Boar
    Wood, Water, Earth, Fire, Wood, Water,   // Water-Rat to Water-Boar
};

// Place of the year in the sixty-year cycle, 0 for Wood-Male-Rat (1984, and 4 CE).
int cycleIndex(int year)
{
    return ((year - 4) % 60 + 60) % 60;
}

Element elementOfYear(int year)
{
    return Element(cycleIndex(year) % 10 / 2);
}

QString english(Element element)
{
    return QString::fromLatin1(elementNames[element].english);
}

} // namespace

const std::array<Name, 5> forces{{
    {"Life force", u"\u0f66\u0fb2\u0f7c\u0f42"},              // srog
    {"Body", u"\u0f63\u0f74\u0f66"},                          // lus
    {"Power", u"\u0f51\u0f56\u0f44\u0f0b\u0f50\u0f44"},       // dbang thang
    {"Luck", u"\u0f62\u0fb3\u0f74\u0f44\u0f0b\u0f62\u0f9f"},  // rlung rta
    {"Soul", u"\u0f56\u0fb3"},                                // bla
}};

// The colours and elements of the nine mewa squares; 9 is the dark red called maroon.
const std::array<MewaRow, 9> mewas{{
    {"White", "Iron", "#ffffff"},
    {"Black", "Water", "#000000"},
    {"Blue", "Water", "#1f5fbf"},
    {"Green", "Wood", "#2e8b3d"},
    {"Yellow", "Earth", "#f2c200"},
    {"White", "Iron", "#ffffff"},
    {"Red", "Fire", "#d0202a"},
    {"White", "Iron", "#ffffff"},
    {"Red", "Fire", "#800000"},
}};

YearName yearName(int tibetanYear)
{
    const int index = cycleIndex(tibetanYear);
    return YearName{english(elementOfYear(tibetanYear)), QString::fromLatin1(sexNames[index % 2].english),
                    QString::fromLatin1(animalNames[index % 12].english)};
}

int birthMewa(int tibetanYear)
{
    return 1 + ((2008 - tibetanYear) % 9 + 9) % 9;
}

FiveForces fiveForces(int tibetanYear)
{
    const int index = cycleIndex(tibetanYear);
    const Element life = lifeForceOfAnimal[index % 12];
    return FiveForces{english(life), english(bodyOfPair[index / 2]), english(elementOfYear(tibetanYear)),
                      english(luckOfAnimal[index % 12]), english(Element((life + 4) % 5))};
}

QString tibetanName(const QString& name)
{
    auto find = [&name](const auto& rows) -> const char16_t* {
        for (const Name& row : rows) {
            if (name == QLatin1String(row.english))
                return row.tibetan;
        }
        return nullptr;
    };
    for (const char16_t* found :
         {find(elementNames), find(sexNames), find(animalNames), find(colourNames), find(forces)}) {
        if (found)
            return QString::fromUtf16(found);
    }
    return {};
}

std::optional<BirthChart> birthChartFor(const BirthData& birthData)
{
    const QDate birth(birthData.year, AstrologyTables::monthNumber(birthData.month), birthData.day);
    const std::optional<TibetanDate> date = TibetanCalendar::tibetanDate(birth);
    if (!date)
        return std::nullopt;
    return BirthChart{*date, yearName(date->year), birthMewa(date->year), fiveForces(date->year)};
}

} // namespace TibetanChart

QString YearName::text() const
{
    return element + u'-' + sex + u'-' + animal;
}

QString YearName::tibetan() const
{
    const QChar tsheg(0x0f0b);
    return TibetanChart::tibetanName(element) + tsheg + TibetanChart::tibetanName(sex) + tsheg
           + TibetanChart::tibetanName(animal);
}
