#include "LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

LinkLabel::LinkLabel(const QString& objectName, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setBold(true);
    f.setUnderline(true);
    setFont(f);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::TabFocus);  // reachable by keyboard, opened with Enter or Space
}

void LinkLabel::bringToFront(LinkLabel* front, LinkLabel* behind)
{
    front->raise();
    front->setFocusPolicy(Qt::TabFocus);
    behind->setFocusPolicy(Qt::NoFocus);
    if (behind->hasFocus())
        front->setFocus();
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A keyboard user sees where the focus is.
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect().adjusted(0, 0, -1, -1);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}
