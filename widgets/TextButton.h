#pragma once

#include <QPushButton>

// A push button as wide as its form makes it (its minimum width), and wider only where
// its text, a translation say, needs more with a small margin on either side: the
// style's own minimum of 80 pixels for a button with text does not apply, so the
// layout sizes the button to its text.
class TextButton : public QPushButton
{
    Q_OBJECT
public:
    explicit TextButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};
