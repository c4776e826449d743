#pragma once

#include <QString>

namespace WebAddress {

// Site address, script path, "?page=" and the page key, passed on unchanged.
QString forPage(const QString& pageKey);
// The site or forum address as shown in captions, without its scheme.
QString siteDisplay();
QString forumDisplay();
QString siteUrl();

} // namespace WebAddress
