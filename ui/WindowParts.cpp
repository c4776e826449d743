#include "ui/WindowParts.h"

#include "data/PromoTexts.h"
#include "platform/Platform.h"
#include "site/WebAddress.h"
#include "widgets/LinkLabel.h"

#include <QCoreApplication>

namespace WindowParts {

void openPage(Platform& platform, WebPage page)
{
    platform.openUrlOrSay(nullptr, WebAddress::forPage(page));
}

void showPromoLink(LinkLabel* label, const PromoTexts::Link& link, Platform& platform)
{
    label->setText(PromoTexts::text(link.text));
    QObject::connect(label, &LinkLabel::clicked, label,
                     [&platform, page = link.page] { openPage(platform, page); });
}

void setUpSiteLinks(LinkLabel* visit, LinkLabel* forum, Platform& platform)
{
    visit->setText(visitCaption());
    QObject::connect(visit, &LinkLabel::clicked, visit, [&platform] { openPage(platform, WebPage::Home); });
    showPromoLink(forum, PromoTexts::ForumInvitation, platform);
}

QString visitCaption()
{
    return QCoreApplication::translate("WindowParts", "Click Here To Visit %1 Now").arg(WebAddress::siteDisplay());
}

} // namespace WindowParts
