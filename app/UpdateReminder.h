#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

class Navigator;

// Reminds the user at most once in any 15 days that an update may exist.
namespace UpdateReminder {

inline constexpr char Key[] = "Duration";

// The date as the locale's short date text.
QString dateText(const QDate& date, const QLocale& locale);
// Reads a short date text back. A two-digit year is placed in the century nearest
// to today, so the text written on one start reads as the same date on the next.
std::optional<QDate> parseDateText(const QString& text, const QLocale& locale, const QDate& today);

void checkForUpdate(Navigator& navigator, const QLocale& locale = QLocale::system());

} // namespace UpdateReminder
