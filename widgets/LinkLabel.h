#pragma once

#include <QLabel>

// A link: bold, underlined plain text with a pointing-hand pointer, clicked on release or
// with Enter or Space, and announced to screen readers as a link they can press. Forms
// edit it as a label: it has a label's text, alignment and wrapping.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_pressed = false;
};
