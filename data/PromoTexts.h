#pragma once

#include "site/WebPage.h"

#include <QString>

// Promotional texts kept as data, in the program's language where translated; {site} and
// {forum} become the maker's addresses.
namespace PromoTexts {

QString text(const char* name);  // e.g. "cobrand", "nag-2"

// A promotional text that the windows show as a link, and the page it opens.
struct Link
{
    const char* text;
    WebPage page;
};
inline constexpr Link FullBrand{"fullbrand", WebPage::FullyBranded};
inline constexpr Link CoBrand{"cobrand", WebPage::CoBrand};
inline constexpr Link ForumInvitation{"forum-invitation", WebPage::Home};

} // namespace PromoTexts
