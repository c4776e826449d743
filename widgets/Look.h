#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QStringList>

class QWidget;

// The look of every window, in one place: dark purple, light text, Verdana. A form
// names the look of a control by classes in its dynamic property "look"
// ("gold sign", "cyan"); their colours and fonts are defined here. A SectionBox
// (widgets/SectionBox.h) gives its title the bold of a section.
namespace Look {

inline const QColor Background{100, 0, 110};
inline const QColor White{255, 255, 255};
// The report's captions.
inline const QColor CaptionGreen{0, 128, 0};

// The application icon, from its pre-rendered sizes.
QIcon applicationIcon();

// Verdana, falling back to the metric-compatible DejaVu Sans where Verdana is missing.
QFont verdana(double pointSize = 8.25, bool bold = false);

// The fonts that hold the Tibetan script, first the one Windows ships, then Debian's:
// named, so that a system whose own fallback does not know the script still finds one.
QStringList tibetanFamilies();

// The purple background, light text and Verdana 8.25 pt. Given before the form makes
// the controls, so that they inherit it instead of being told of a change one by one.
void applyWindowLook(QWidget* window);
// Gives each control of window the look its classes name, once the form is set up.
void applyClasses(QWidget* window);

} // namespace Look
