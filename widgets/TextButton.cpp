#include "widgets/TextButton.h"

TextButton::TextButton(QWidget* parent)
    : QPushButton(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize TextButton::sizeHint() const
{
    constexpr int Margin = 8;  // pixels on either side of the text
    const QString shown = QString(text()).remove(u'&');
    const int needed = fontMetrics().horizontalAdvance(shown) + 2 * Margin;
    const int height = minimumHeight() > 0 ? minimumHeight() : QPushButton::sizeHint().height();
    return {qMax(minimumWidth(), needed), height};
}

QSize TextButton::minimumSizeHint() const
{
    return sizeHint();
}
