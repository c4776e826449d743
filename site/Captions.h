#pragma once

#include <QString>

// The program's name as its windows and message boxes show it. Translatable like every
// text a person sees, though most languages keep the name as it is.
namespace Captions {

// "Zarvo Tibetan Astrology v2.20": the caption of every window.
QString windowCaption();
// "Zarvo Tibetan Astrology": the caption of message boxes and the Save dialog.
QString applicationTitle();

} // namespace Captions
