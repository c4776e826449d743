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

// The two links at the top of the result and report windows: the visit caption and the forum
// invitation, both to the home page.
void setUpSiteLinks(LinkLabel* visit, LinkLabel* forum, Navigator& nav);
// "Click Here To Visit <site> Now".
QString visitCaption();
// Widens each push button of window whose form holds it narrower than its text (a
// translation, say) and a small margin on either side; its layout makes room for it.
// A layout alone would not do: Qt's Fusion style gives a button with text at least 80
// pixels, more than the forms' buttons have.
void fitButtonsToText(QWidget* window);

} // namespace WindowParts
