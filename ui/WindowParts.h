#pragma once

#include "data/PromoTexts.h"
#include "site/Captions.h"
#include "site/WebPage.h"
#include "widgets/Look.h"

#include <QWidget>

class LinkLabel;
class Platform;
class QString;

// What the windows wire up the same way.
namespace WindowParts {

// Builds a window from its form: the look comes first, so that the controls inherit
// the typeface and colours instead of being told of a change one by one; then the
// form, its look classes, the window's role (its class name, which lets desktop tools
// tell the windows apart) and its caption.
template<class Form, class Window>
void setUpForm(Form& form, Window* window)
{
    Look::applyWindowLook(window);
    form.setupUi(window);
    Look::applyClasses(window);
    window->setWindowRole(window->objectName());
    window->setWindowTitle(Captions::windowCaption());
}

// Opens one of the maker's pages in the browser.
void openPage(Platform& platform, WebPage page);
// Shows a promotional link's text on label, which then opens the link's page when clicked.
void showPromoLink(LinkLabel* label, const PromoTexts::Link& link, Platform& platform);

// The two links at the top of the result and report windows: the visit caption and the forum
// invitation, both to the home page.
void setUpSiteLinks(LinkLabel* visit, LinkLabel* forum, Platform& platform);
// "Click Here To Visit <site> Now".
QString visitCaption();

} // namespace WindowParts
