#include "platform/MessageBox.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {

// A line with a word too long to wrap, as a path with a long file name is, would stretch
// the box to the screen's width and still be cut off at its edge. Such a line is
// shortened in its middle to the given width; the other lines, the reason among them,
// stay whole.
QString fitLines(const QString& text, const QFontMetrics& metrics, int width)
{
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        const QStringList words = line.split(u' ', Qt::SkipEmptyParts);
        const bool tooLong = std::any_of(words.cbegin(), words.cend(),
                                         [&](const QString& word) { return metrics.horizontalAdvance(word) > width; });
        if (tooLong)
            line = metrics.elidedText(line, Qt::ElideMiddle, width);
    }
    return lines.join(u'\n');
}

} // namespace

int execMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                   QMessageBox::StandardButtons buttons, QWidget* parent, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, QString(), buttons, parent);
    // The box wraps its text at half the screen's width, 500 pixels at most, of which its
    // icon and margins take about 100.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int textWidth = screen ? std::min(screen->availableGeometry().width() / 2, 500) - 100 : 400;
    box.setText(fitLines(text, box.fontMetrics(), textWidth));
    box.setObjectName(QStringLiteral("messageBox"));
    box.setWindowRole(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return box.exec();
}
