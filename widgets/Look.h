#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>

class QWidget;
class QLabel;
class QStyle;

// The shared look of every window: dark purple, light text, Verdana.
namespace Look {

inline const QColor Background{100, 0, 110};
inline const QColor White{255, 255, 255};
// The report's captions; the windows' other colours are set in their forms.
inline const QColor CaptionGreen{0, 128, 0};

// The application icon, from its pre-rendered sizes.
QIcon applicationIcon();

// Reads a PNG file or resource. Naming the format and switching off detection keeps Qt
// from loading every image-format plugin just to ask each whether it reads the file.
QImage pngImage(const QString& path);

// The application style: the platform's own, with the few images it would read through
// Qt's image plugins (menu bar arrows, Fusion's group box frame) read directly instead.
QStyle* createStyle();

// Verdana, falling back to the metric-compatible DejaVu Sans where Verdana is missing.
QFont verdana(double pointSize = 8.25, bool bold = false);

// Places given in twips (15 twips to a logical pixel).
constexpr int tw(int twips)
{
    return (twips + (twips >= 0 ? 7 : -7)) / 15;
}

// Window background purple with light text, Verdana 8.25 pt. Screen readers see a
// window made of a plain widget as a window, and a plain container (a page) that
// others cover as not showing.
void applyWindowLook(QWidget* window);
// The style's ordinary light look, for menu bars and the promotional box.
void applyStandardLook(QWidget* widget);

// True when a visible sibling in front of widget covers it entirely: nobody can see it,
// so screen readers must not read it out either.
bool isCovered(const QWidget* widget);
// Tells screen readers that which of widget's siblings are covered may have changed.
void announceCovering(QWidget* widget);

} // namespace Look
