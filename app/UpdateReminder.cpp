#include "UpdateReminder.h"

#include "Navigator.h"
#include "Platform.h"

#include <QCoreApplication>

namespace UpdateReminder {

QString dateText(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, QLocale::ShortFormat);
}

std::optional<QDate> parseDateText(const QString& text, const QLocale& locale, const QDate& today)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const bool twoDigitYear = !format.contains(QLatin1String("yyyy"));
    QDate date = locale.toDate(text, format);
    if (!date.isValid() && twoDigitYear) {
        // 29 February read as 19yy may not exist; look for the leap year it was written in.
        for (int year = today.year() - 52; year <= today.year() + 52; ++year) {
            const QDate leapDay(year, 2, 29);
            if (leapDay.isValid() && dateText(leapDay, locale) == text)
                return leapDay;
        }
    }
    if (!date.isValid())
        return std::nullopt;
    if (twoDigitYear) {
        // Qt reads "yy" as 19yy; move it to the century closest to today.
        while (date.year() < today.year() - 50)
            date = date.addYears(100);
        while (date.year() > today.year() + 50)
            date = date.addYears(-100);
    }
    return date;
}

void checkForUpdate(Navigator& navigator, const QLocale& locale)
{
    Platform& platform = navigator.platform();
    const QDate today = platform.today();
    const QString stored = platform.readSetting(QLatin1String(Key));
    if (stored.isEmpty()) {
        platform.writeSetting(QLatin1String(Key), dateText(today, locale));
        return;
    }
    // An unreadable value ends the check silently and stays as it is.
    const std::optional<QDate> last = parseDateText(stored, locale, today);
    if (!last)
        return;
    const qint64 days = today.daysTo(*last);
    if (days >= -14 && days <= 14)
        return;
    const Platform::Answer answer = platform.showMessage(
        nullptr,
        QCoreApplication::translate("UpdateReminder",
                                    "There maybe an update to this software available\rDo you want to check for an update?"),
        Platform::Icon::Information, Platform::Buttons::YesNo);
    platform.writeSetting(QLatin1String(Key), dateText(today, locale));
    if (answer == Platform::Answer::Yes)
        navigator.openWebPage(QStringLiteral("download-web-page"));
}

} // namespace UpdateReminder
