#pragma once

#include <QString>

class LinkLabel;
class Navigator;

// Promotional texts kept as data, in the program's language where translated; {site} and
// {forum} become the maker's addresses.
namespace PromoTexts {

QString text(const char* name);  // e.g. "cobrand", "nag-2"

// A promotional text that the windows show as a link, and the page it opens.
struct Link
{
    const char* text;
    const char* pageKey;
};
inline constexpr Link FullBrand{"fullbrand", "fully-branded"};
inline constexpr Link CoBrand{"cobrand", "co-brand"};
inline constexpr Link ForumInvitation{"forum-invitation", "home-page"};

// Shows the link's text on label, which then opens the link's page when clicked.
void showLink(LinkLabel* label, const Link& link, Navigator& navigator);

} // namespace PromoTexts
