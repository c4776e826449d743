#include "widgets/AccessibleWindow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface* plainWindowFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String("QWidget") || !object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    return widget->isWindow() ? new QAccessibleWidget(widget, QAccessible::Window) : nullptr;
}

} // namespace

void AccessibleWindow::install()
{
    static const bool installed = (QAccessible::installFactory(plainWindowFactory), true);
    Q_UNUSED(installed);
}
