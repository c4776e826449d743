#pragma once

#include <QTextEdit>

#include <functional>

// A read-only text box whose text cannot be carried off: every text change and every
// click, press, move and release over it empties the clipboard.
class GuardedTextEdit : public QTextEdit
{
    Q_OBJECT
public:
    GuardedTextEdit(const QString& objectName, std::function<void()> clearClipboard, QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> m_clearClipboard;
};
