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
        if (button->maximumWidth() < needed)
            button->setFixedWidth(needed);
    }
}

void setUpSiteLinks(LinkLabel* visit, LinkLabel* forum, Navigator& nav)
{
    visit->setText(visitCaption());
    QObject::connect(visit, &LinkLabel::clicked, visit, [&nav] { nav.openWebPage(WebPage::Home); });
    showPromoLink(forum, PromoTexts::ForumInvitation, nav);
}

QString visitCaption()
{
    return QCoreApplication::translate("WindowParts", "Click Here To Visit %1 Now").arg(WebAddress::siteDisplay());
}

} // namespace WindowParts
