#include "Look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QStyle>
#include <QWidget>

namespace Look {

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icon/zarvo-%1.png").arg(size), QSize(size, size));
    return icon;
}

QFont verdana(double pointSize, bool bold)
{
    // Decided once: a family list makes every font lookup try Verdana first.
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("Verdana"))
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    QFont font;
    font.setFamily(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void applyWindowLook(QWidget* window)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Background);
    palette.setColor(QPalette::WindowText, White);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->setFont(verdana());
}

void applyStandardLook(QWidget* widget)
{
    // Every role set explicitly, so nothing of the purple window shines through.
    const QPalette standard = QApplication::style()->standardPalette();
    QPalette palette;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            palette.setColor(g, r, standard.color(g, r));
        }
    }
    widget->setPalette(palette);
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace Look
