#pragma once

class QLocale;

namespace Translations {

// Makes the program speak the locale's language where it has been translated: the
// locale becomes the default (the paragraphs and promotional texts follow it), and
// the program's catalogue and Qt's own (button and file dialog texts) are installed.
// English, the language of the code, needs no catalogue.
void install(const QLocale& locale);

} // namespace Translations
