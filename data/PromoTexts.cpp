#include "data/PromoTexts.h"

#include "text/Language.h"
#include "site/WebAddress.h"

#include <QFile>

namespace PromoTexts {

QString text(const char* name)
{
    QFile file(Language::resource(QStringLiteral("promo"), QLatin1String(name) + QStringLiteral(".txt")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString content = QString::fromUtf8(file.readAll()).trimmed();
    content.replace(QStringLiteral("{site}"), WebAddress::siteDisplay());
    content.replace(QStringLiteral("{forum}"), WebAddress::forumDisplay());
    return content;
}

} // namespace PromoTexts
