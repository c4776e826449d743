#pragma once

#include "data/PromoTexts.h"

class LinkLabel;
class Navigator;
class QString;
class QWidget;

// What the main, result and report windows wire up the same way.
namespace WindowParts {

// Shows a promotional link's text on label, which then opens the link's page when clicked.
void showPromoLink(LinkLabel* label, const PromoTexts::Link& link, Navigator& nav);

// The two links at the top of the result and report windows, each centred on its text where
// the form puts it: the visit caption and the forum invitation, both to the home page.
void setUpSiteLinks(LinkLabel* visit, LinkLabel* forum, Navigator& nav);
// "Click Here To Visit <site> Now".
QString visitCaption();
// Widens each push button of window whose text (a translation, say) leaves less than a
// small margin on either side; it grows to the left, keeping its right edge in place.
void fitButtonsToText(QWidget* window);

} // namespace WindowParts
