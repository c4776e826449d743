#pragma once

// The pages of the maker's web site that the program links to.
enum class WebPage {
    Home,
    Help,
    Download,      // where a newer version would be
    Donate,
    CoBrand,       // the offer to co-brand the program for another site
    FullyBranded,  // the offer of a fully branded copy
    Catalogue,     // the maker's other programs
};

// Each page's key in its address ("?page=<key>"): the site's script knows the pages by
// these names, so they cannot change.
inline constexpr struct
{
    WebPage page;
    const char* key;
} WebPageKeys[] = {
    {WebPage::Home, "home-page"},
    {WebPage::Help, "help-web-page"},
    {WebPage::Download, "download-web-page"},
    {WebPage::Donate, "donate"},
    {WebPage::CoBrand, "co-brand"},
    {WebPage::FullyBranded, "fully-branded"},
    {WebPage::Catalogue, "ovanthesoftwares"},
};

constexpr const char* webPageKey(WebPage page)
{
    for (const auto& entry : WebPageKeys) {
        if (entry.page == page)
            return entry.key;
    }
    return "";
}
