#include "ui/ReportComposer.h"

#include "engine/AstrologyTables.h"
#include "ui/BirthChartText.h"
#include "widgets/Look.h"

#include <QCoreApplication>
#include <QTextCursor>

namespace ReportComposer {

namespace {

// The stored sex stays "Male" or "Female"; the report names it in the reader's language.
QString sexShown(const QString& sex)
{
    static const char* const stored[] = {QT_TRANSLATE_NOOP("ReportComposer", "Male"),
                                         QT_TRANSLATE_NOOP("ReportComposer", "Female")};
    for (const char* word : stored) {
        if (sex == QLatin1String(word))
            return QCoreApplication::translate("ReportComposer", word);
    }
    return sex;
}

} // namespace

QList<Run> compose(const BirthData& birthData, const Reading& reading, const QString& footer)
{
    struct Section
    {
        const char* caption;
        QString value;
        const QString* paragraph;
    };
    const Section sections[] = {
        {QT_TRANSLATE_NOOP("ReportComposer", "Your Name: "), birthData.name, nullptr},
        {QT_TRANSLATE_NOOP("ReportComposer", "Your Sex: "), sexShown(birthData.sex), nullptr},
        {QT_TRANSLATE_NOOP("ReportComposer", "Your Tibetan Sun Sign: "), reading.tibetanSunSign, nullptr},
        {QT_TRANSLATE_NOOP("ReportComposer", "Your Tranlation of Tibetan Sun Sign: "),
         AstrologyTables::shownName(reading.tibetanSunSignTranslation), nullptr},
        {QT_TRANSLATE_NOOP("ReportComposer", "Your Western Sun Sign: "),
         AstrologyTables::shownName(reading.westernSunSign),
         &reading.westernSunSignText},
        {QT_TRANSLATE_NOOP("ReportComposer", "Your Tibetan Animal Sign: "),
         AstrologyTables::shownName(reading.animalSign),
         &reading.animalSignText},
        {QT_TRANSLATE_NOOP("ReportComposer", "Your Tibetan Element: "),
         AstrologyTables::shownName(reading.element), &reading.elementText},
    };
    const QString lineEnd = QLatin1String(LineEnd);
    QList<Run> runs;
    for (const Section& section : sections) {
        runs.append({QCoreApplication::translate("ReportComposer", section.caption), true});
        runs.append({section.value + lineEnd, false});
        if (section.paragraph)
            runs.append({*section.paragraph + lineEnd, false});
        runs.append({footer + lineEnd + lineEnd, false});
    }
    // The Tibetan birth chart follows as one more section.
    const BirthChartText::Chart chart = BirthChartText::forBirth(birthData);
    if (chart.lines.isEmpty())
        runs.append({chart.missing + lineEnd, false});
    for (const BirthChartText::Line& line : chart.lines) {
        runs.append({line.caption, true});
        runs.append({line.value + lineEnd, false});
        if (!line.tibetan.isEmpty())
            runs.append({line.tibetan + lineEnd, false, true});
        if (!line.paragraph.isEmpty())
            runs.append({line.paragraph + lineEnd, false});
    }
    runs.append({footer, false});
    return runs;
}

QString plainText(const QList<Run>& runs)
{
    QString text;
    for (const Run& run : runs)
        text += run.text;
    return text;
}

void insert(QTextCursor& cursor, const QList<Run>& runs)
{
    QTextCharFormat caption;
    caption.setFontWeight(QFont::Bold);
    caption.setForeground(Look::CaptionGreen);
    QTextCharFormat value;
    value.setFontWeight(QFont::Normal);
    value.setForeground(QColor(Qt::black));
    QTextCharFormat tibetan = value;
    tibetan.setFontPointSize(cursor.document()->defaultFont().pointSizeF() * 1.4);
    tibetan.setFontFamilies(Look::tibetanFamilies());
    for (const Run& run : runs) {
        // The document keeps lines as blocks; a CR LF pair is one line break.
        QString text = run.text;
        text.replace(QLatin1String(LineEnd), QStringLiteral("\n"));
        cursor.insertText(text, run.caption ? caption : run.tibetan ? tibetan : value);
    }
}

} // namespace ReportComposer
