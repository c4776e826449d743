#include "engine/ComputeReading.h"

#include "engine/AstrologyTables.h"
#include "engine/Paragraphs.h"

using namespace AstrologyTables;

Reading computeReading(const BirthData& birthData, const Reading& earlier)
{
    Reading reading = earlier;
    // The picture numbers describe this computation only.
    reading.sunSignImage = 0;
    reading.animalSignImage = 0;

    // Tibetan sun sign from month and day: exact, case-sensitive month match; the
    // day is not checked against the month's length, it only falls on one side.
    if (const int month = monthNumber(birthData.month)) {
        const MonthRule& rule = monthRules[month - 1];
        reading.tibetanSunSign =
            QString::fromUtf16(birthData.day <= rule.threshold ? rule.firstSign : rule.secondSign);
    }

    // The western sign is the counterpart in the same row, not worked out from the date.
    for (int row = 0; row < int(sunSigns.size()); ++row) {
        if (reading.tibetanSunSign == QString::fromUtf16(sunSigns[row].tibetan)) {
            reading.westernSunSign = QString::fromLatin1(sunSigns[row].western);
            reading.westernSunSignText = Paragraphs::text(QString::fromLatin1(sunSigns[row].key));
            reading.tibetanSunSignTranslation = QString::fromLatin1(sunSigns[row].translation);
            reading.sunSignImage = row + 1;
            break;
        }
    }

    // Only the year number counts; outside the table the computation ends here.
    const QString cycleName = cycleNameOfYear(birthData.year);
    if (cycleName.isEmpty())
        return reading;
    const qsizetype dash = cycleName.indexOf(u'-');
    reading.element = cycleName.left(dash);
    reading.animalSign = cycleName.mid(dash + 1);

    for (int row = 0; row < int(animals.size()); ++row) {
        if (reading.animalSign == QLatin1String(animals[row].name)) {
            reading.animalSignText = Paragraphs::text(QString::fromLatin1(animals[row].key));
            reading.animalSignImage = row + 1;
            break;
        }
    }
    for (const NamedRow& element : elements) {
        if (reading.element == QLatin1String(element.name)) {
            reading.elementText = Paragraphs::text(QString::fromLatin1(element.key));
            break;
        }
    }
    return reading;
}
