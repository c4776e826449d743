#pragma once

#include "engine/BirthData.h"
#include "engine/Reading.h"

#include <QList>
#include <QString>

class QTextCursor;

// The report: seven sections, each a bold green caption with its value in regular
// black, the paragraph where there is one, and a footer; then the Tibetan birth chart,
// its lines each with the names in Tibetan script and the paragraph where there are
// some, and the footer; CR LF line ends and no line break after the last footer.
namespace ReportComposer {

struct Run
{
    QString text;
    bool caption = false;  // bold dark green; otherwise regular black
    bool tibetan = false;  // Tibetan script, larger: its letters are small beside Latin ones
};

inline constexpr char LineEnd[] = "\r\n";

QList<Run> compose(const BirthData& birthData, const Reading& reading, const QString& footer);
// The report as one text, CR LF line ends.
QString plainText(const QList<Run>& runs);
// Inserts the runs at the cursor as plain text with their styles, one insertion per run.
void insert(QTextCursor& cursor, const QList<Run>& runs);

} // namespace ReportComposer
