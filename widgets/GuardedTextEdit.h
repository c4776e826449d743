#pragma once

#include <QTextEdit>

// A read-only text box whose text cannot be carried off: every text change and every
// click, press, move and release over it asks for the clipboard to be emptied.
class GuardedTextEdit : public QTextEdit
{
    Q_OBJECT
public:
    explicit GuardedTextEdit(QWidget* parent = nullptr);

signals:
    // The window that shows the box empties the clipboard on this.
    void clipboardClearRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
