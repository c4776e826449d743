#include "data/PromoTexts.h"

#include "platform/WebAddress.h"

#include <QFile>

namespace PromoTexts {

QString text(const char* name)
{
    QFile file(QStringLiteral(":/promo/%1.txt").arg(QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString content = QString::fromUtf8(file.readAll()).trimmed();
    content.replace(QStringLiteral("{site}"), WebAddress::siteDisplay());
    content.replace(QStringLiteral("{forum}"), WebAddress::forumDisplay());
    return content;
}

} // namespace PromoTexts
