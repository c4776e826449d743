#include "support/TellAFriend.h"

#include "site/BuildSettings.h"
#include "site/WebAddress.h"

#include <QUrl>

QString TellAFriend::checkAddresses(const Request& request)
{
    if (request.senderEmail == request.friendEmail)
        return tr("Please Enter Distinct Email Addresses");
    for (const QString* address : {&request.senderEmail, &request.friendEmail}) {
        if (!address->contains(u'@'))
            return tr("Please Enter Proper Email Address");
    }
    for (const QString* address : {&request.senderEmail, &request.friendEmail}) {
        if (!address->contains(u'.'))
            return tr("Please Enter Proper Email Address");
    }
    return {};
}

QString TellAFriend::checkEntries(const Request& request, const Request& placeholders)
{
    if (request.senderName.isEmpty() || request.senderName == placeholders.senderName)
        return tr("Please Enter Your Name");
    if (request.message.isEmpty() || request.message == placeholders.message)
        return tr("Please Enter Your Message");
    if (request.message.size() > MaxMessageLength)
        return tr("Please Shorten Your Message To %1 Characters").arg(MaxMessageLength);
    if (request.friendName.isEmpty() || request.friendName == placeholders.friendName)
        return tr("Please Enter Your Friend's Name");
    return {};
}

QString TellAFriend::referralAddress(const Request& request)
{
    // ":", "/" and "@" may stand in a query as they are and keep the address readable.
    auto encoded = [](const QString& value) {
        return QString::fromLatin1(QUrl::toPercentEncoding(value, QByteArrayLiteral(":/@")));
    };
    const QString site = WebAddress::siteUrl();
    return site + QLatin1String(BuildSettings::ScriptPath) + QStringLiteral("?page=zarvoov-refer-a-friend")
           + QStringLiteral("&taf1=") + encoded(request.senderName)
           + QStringLiteral("&taf2=") + encoded(request.senderEmail)
           + QStringLiteral("&taf3=") + encoded(request.message)
           + QStringLiteral("&taf4=") + encoded(request.friendName)
           + QStringLiteral("&taf5=") + encoded(request.friendEmail)
           + QStringLiteral("&taf6=") + encoded(site + QLatin1String(BuildSettings::ProductFolder));
}
