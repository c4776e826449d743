#include "site/WebAddress.h"

#include "site/BuildSettings.h"

namespace WebAddress {

namespace {
QString withoutScheme(const QString& url)
{
    const qsizetype mark = url.indexOf(QStringLiteral("://"));
    return mark < 0 ? url : url.mid(mark + 3);
}
} // namespace

QString siteUrl()
{
    return QString::fromUtf8(BuildSettings::SiteUrl);
}

QString forPage(WebPage page)
{
    return siteUrl() + QLatin1String(BuildSettings::ScriptPath) + QStringLiteral("?page=") + QLatin1String(webPageKey(page));
}

QString siteDisplay()
{
    return withoutScheme(siteUrl());
}

QString forumDisplay()
{
    return withoutScheme(QString::fromUtf8(BuildSettings::ForumUrl));
}

} // namespace WebAddress
