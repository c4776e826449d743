#pragma once

#include <QString>

// Promotional texts kept as data; {site} and {forum} become the maker's addresses.
namespace PromoTexts {
QString text(const char* name);  // e.g. "cobrand", "nag-2"
}
