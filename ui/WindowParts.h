#pragma once

#include <QColor>
#include <QString>

class LinkLabel;
class Navigator;
class QGroupBox;
class QLabel;
class QMenuBar;
class QWidget;

// Pieces that the main, result and report windows build the same way.
namespace WindowParts {

// A label at a place given in twips (left, top; size in pixels follows the text when 0).
QLabel* label(QWidget* parent, const QString& name, const QString& text, int leftTw, int topTw,
              const QColor& colour, double pointSize = 8.25, bool bold = true);
// Gives a link its text and the page that it opens.
void setUpLink(LinkLabel* link, const QString& text, Navigator& nav, const QString& pageKey);
// The two links at the top of the result and report windows, each centred on its text where
// the form puts it: the visit caption and the forum invitation, both to the home page.
void setUpSiteLinks(LinkLabel* visit, LinkLabel* forum, Navigator& nav);
// A captioned frame in the window colour, caption drawn in colour.
QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, const QColor& colour);
// "Click Here To Visit <site> Now".
QString visitCaption();
// The Help, Donate and Make Money menus shared by the main and result windows.
void addSharedMenus(QMenuBar* bar, Navigator& nav, QWidget* window, const char* separatorAfterVisit);
// Connects those menus' items, found in window by their names.
void connectSharedMenus(QWidget* window, Navigator& nav);

} // namespace WindowParts
