#include "GuardedTextEdit.h"

GuardedTextEdit::GuardedTextEdit(const QString& objectName, std::function<void()> clearClipboard, QWidget* parent)
    : QTextEdit(parent)
    , m_clearClipboard(std::move(clearClipboard))
{
    setObjectName(objectName);
    setReadOnly(true);
    setAcceptRichText(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setMouseTracking(true);  // moves without a button count too
    connect(this, &QTextEdit::textChanged, this, [this] { m_clearClipboard(); });
}

// The base handlers run first: a release may put the selection on the X11 clipboard,
// which the clearing that follows takes away again.
void GuardedTextEdit::mousePressEvent(QMouseEvent* event)
{
    QTextEdit::mousePressEvent(event);
    m_clearClipboard();
}

void GuardedTextEdit::mouseMoveEvent(QMouseEvent* event)
{
    QTextEdit::mouseMoveEvent(event);
    m_clearClipboard();
}

void GuardedTextEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QTextEdit::mouseReleaseEvent(event);
    m_clearClipboard();  // the click
}
