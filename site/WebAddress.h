#pragma once

#include "site/WebPage.h"

#include <QString>

namespace WebAddress {

// Site address, script path, "?page=" and the page's key, passed on unchanged.
QString forPage(WebPage page);
// The site or forum address as shown in captions, without its scheme.
QString siteDisplay();
QString forumDisplay();
QString siteUrl();

} // namespace WebAddress
