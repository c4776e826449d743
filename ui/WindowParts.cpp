#include "ui/WindowParts.h"

#include "data/PromoTexts.h"
#include "platform/Platform.h"
#include "site/WebAddress.h"
#include "widgets/LinkLabel.h"

#include <QCoreApplication>
#include <QPushButton>

namespace WindowParts {

void openPage(Platform& platform, WebPage page)
{
    platform.openUrl(WebAddress::forPage(page));
}

void showPromoLink(LinkLabel* label, const PromoTexts::Link& link, Platform& platform)
{
    label->setText(PromoTexts::text(link.text));
    QObject::connect(label, &LinkLabel::clicked, label,
                     [&platform, page = link.page] { openPage(platform, page); });
}

void fitButtonsToText(QWidget* window)
{
    constexpr int Margin = 8;  // pixels on either side of the text
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        const QString shown = QString(button->text()).remove(u'&');
        const int needed = button->fontMetrics().horizontalAdvance(shown) + 2 * Margin;
        if (button->width() >= needed)
            continue;
        const QRect place = button->geometry();
        button->setGeometry(place.right() + 1 - needed, place.y(), needed, place.height());
    }
}

void setUpSiteLinks(LinkLabel* visit, LinkLabel* forum, Platform& platform)
{
    visit->setText(visitCaption());
    QObject::connect(visit, &LinkLabel::clicked, visit, [&platform] { openPage(platform, WebPage::Home); });
    showPromoLink(forum, PromoTexts::ForumInvitation, platform);
    // Their texts come from the build and the promotional texts, so they are centred here.
    for (LinkLabel* link : {visit, forum}) {
        link->adjustSize();
        link->move((link->parentWidget()->width() - link->width()) / 2, link->y());
    }
}

QString visitCaption()
{
    return QCoreApplication::translate("WindowParts", "Click Here To Visit %1 Now").arg(WebAddress::siteDisplay());
}

} // namespace WindowParts
