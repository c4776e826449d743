#include "widgets/GuardedTextEdit.h"

GuardedTextEdit::GuardedTextEdit(QWidget* parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setAcceptRichText(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setMouseTracking(true);  // moves without a button count too
    connect(this, &QTextEdit::textChanged, this, &GuardedTextEdit::clipboardClearRequested);
}

// The base handlers run first: a release may put the selection on the X11 clipboard,
// which the clearing that follows takes away again.
void GuardedTextEdit::mousePressEvent(QMouseEvent* event)
{
    QTextEdit::mousePressEvent(event);
    emit clipboardClearRequested();
}

void GuardedTextEdit::mouseMoveEvent(QMouseEvent* event)
{
    QTextEdit::mouseMoveEvent(event);
    emit clipboardClearRequested();
}

void GuardedTextEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QTextEdit::mouseReleaseEvent(event);
    emit clipboardClearRequested();  // the click
}
