#include "PromoTexts.h"

#include "Language.h"
#include "LinkLabel.h"
#include "Navigator.h"
#include "WebAddress.h"

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

void showLink(LinkLabel* label, const Link& link, Navigator& navigator)
{
    label->setText(text(link.text));
    QObject::connect(label, &LinkLabel::clicked, label,
                     [&navigator, pageKey = QString::fromLatin1(link.pageKey)] { navigator.openWebPage(pageKey); });
}

} // namespace PromoTexts
