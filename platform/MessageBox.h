#pragma once

#include <QMessageBox>

// Shows a message box of the program's, known to tests and desktop tools by its role,
// and returns the button chosen. A line too long to wrap is shortened in its middle
// rather than stretching the box past the screen.
int execMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                   QMessageBox::StandardButtons buttons, QWidget* parent,
                   QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
