#pragma once

#include "PromoTexts.h"

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
// A link label opening pageKey, centred horizontally in parent at topTw.
LinkLabel* centredLink(QWidget* parent, Navigator& nav, const QString& name, const QString& text,
                       int topTw, const QString& pageKey);
// A promotional link, centred horizontally in parent at topTw.
LinkLabel* centredLink(QWidget* parent, Navigator& nav, const QString& name, const PromoTexts::Link& promo, int topTw);
// A captioned frame in the window colour, caption drawn in colour.
QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, const QColor& colour);
// "Click Here To Visit <site> Now".
QString visitCaption();
// The Help, Donate and Make Money menus shared by the main and result windows.
void addSharedMenus(QMenuBar* bar, Navigator& nav, QWidget* window, const char* separatorAfterVisit);
// Connects those menus' items of window, found by their names, to their pages and the about box.
void connectSharedMenus(QWidget* window, Navigator& nav);

} // namespace WindowParts
