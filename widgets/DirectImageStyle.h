#pragma once

#include <QIcon>
#include <QPixmap>
#include <QProxyStyle>

// The platform's style, with the few images it would read through QPixmap or QIcon files
// (menu bar arrows, Fusion's group box frame) read directly instead. Qt reads those by
// asking every image-format plugin whether it reads PNG, which loads all of them (and
// through them the JPEG and SVG libraries) the first time a menu bar is made or a group
// box is painted.
class DirectImageStyle : public QProxyStyle
{
public:
    // On the system's base style (Fusion on Windows, Qt's choice elsewhere).
    static QStyle* create();

    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap pixmap, const QStyleOption* option, const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    // Qt's images in the given sizes, read once (every window's menu bar asks again).
    static QIcon cached(QIcon& icon, const char* pattern, std::initializer_list<int> sizes);

    mutable QIcon m_arrowRight;
    mutable QIcon m_arrowLeft;
    mutable QIcon m_arrowDown;
    mutable QPixmap m_groupBoxFrame;
};
