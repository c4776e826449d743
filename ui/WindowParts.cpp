#include "ui/WindowParts.h"

#include "data/PromoTexts.h"
#include "platform/Navigator.h"
#include "platform/WebAddress.h"
#include "widgets/LinkLabel.h"

#include <QCoreApplication>
#include <QPushButton>

namespace WindowParts {

void showPromoLink(LinkLabel* label, const PromoTexts::Link& link, Navigator& nav)
{
    label->setText(PromoTexts::text(link.text));
    QObject::connect(label, &LinkLabel::clicked, label,
                     [&nav, page = link.page] { nav.openWebPage(page); });
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

void setUpSiteLinks(LinkLabel* visit, LinkLabel* forum, Navigator& nav)
{
    visit->setText(visitCaption());
    QObject::connect(visit, &LinkLabel::clicked, visit, [&nav] { nav.openWebPage(WebPage::Home); });
    showPromoLink(forum, PromoTexts::ForumInvitation, nav);
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
