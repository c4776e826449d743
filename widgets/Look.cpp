#include "widgets/Look.h"

#include "platform/SystemLook.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QImageReader>
#include <QPalette>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>
#include <qdrawutil.h>

namespace Look {

namespace {

const QString QtImages = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");

// The platform's style, with the few images it would read through QPixmap or QIcon files
// read directly instead. Qt reads those by asking every image-format plugin whether it
// reads PNG, which loads all of them (and through them the JPEG and SVG libraries) the
// first time a menu bar is made or a group box is painted.
class DirectImageStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap pixmap, const QStyleOption* option, const QWidget* widget) const override
    {
        // The extension arrows: every menu bar makes one, even when all its menus fit.
        const bool rightToLeft = (widget ? widget->layoutDirection() : QGuiApplication::layoutDirection())
                                 == Qt::RightToLeft;
        QIcon icon;
        if (pixmap == SP_ToolBarHorizontalExtensionButton && rightToLeft)
            icon = cached(m_arrowLeft, "toolbar-ext-h-rtl-%1.png", {8, 16, 32});
        else if (pixmap == SP_ToolBarHorizontalExtensionButton)
            icon = cached(m_arrowRight, "toolbar-ext-h-%1.png", {8, 16, 32});
        else if (pixmap == SP_ToolBarVerticalExtensionButton)
            icon = cached(m_arrowDown, "toolbar-ext-v-%1.png", {5, 10, 20});
        return icon.isNull() ? QProxyStyle::standardIcon(pixmap, option, widget) : icon;
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        // Fusion draws a group box's frame as this image stretched over its border, below
        // the title's line when there is a title.
        if (element == PE_FrameGroupBox && baseStyle()->name() == QLatin1String("fusion")) {
            if (m_groupBoxFrame.isNull())
                m_groupBoxFrame = QPixmap::fromImage(pngImage(QtImages + QLatin1String("fusion_groupbox.png")));
            if (!m_groupBoxFrame.isNull()) {
                constexpr int FusionGroupBoxTopMargin = 3;
                int top = FusionGroupBoxTopMargin;
                const auto* box = qobject_cast<const QGroupBox*>(widget);
                if (!box || box->isCheckable() || !box->title().isEmpty())
                    top += qMax(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
                qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), m_groupBoxFrame);
                return;
            }
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    // Qt's images in the given sizes, read once (every window's menu bar asks again).
    static QIcon cached(QIcon& icon, const char* pattern, std::initializer_list<int> sizes)
    {
        if (icon.isNull()) {
            for (int size : sizes) {
                const QImage image = pngImage(QtImages + QString::fromLatin1(pattern).arg(size));
                if (!image.isNull())
                    icon.addPixmap(QPixmap::fromImage(image));
            }
        }
        return icon;
    }

    mutable QIcon m_arrowRight;
    mutable QIcon m_arrowLeft;
    mutable QIcon m_arrowDown;
    mutable QPixmap m_groupBoxFrame;
};

} // namespace

QImage pngImage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};  // quietly: the style asks for images a later Qt may have renamed
    QImageReader reader(&file, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QStyle* createStyle()
{
    const QString base = SystemLook::baseStyleName();
    return base.isEmpty() ? new DirectImageStyle : new DirectImageStyle(base);
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(pngImage(QStringLiteral(":/icon/zarvo-%1.png").arg(size))));
    return icon;
}

QFont verdana(double pointSize, bool bold)
{
    // Decided once: a family list makes every font lookup try Verdana first.
    // Looked up among the installed families: hasFamily() would also resolve Verdana
    // through the font configuration's aliases, which costs time and finds nothing here.
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Verdana"), Qt::CaseInsensitive)
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    QFont font;
    font.setFamily(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

namespace {
QAccessibleInterface* accessibleContainerFactory(const QString& className, QObject* object);
}

void applyWindowLook(QWidget* window)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleContainerFactory), true);
    Q_UNUSED(factoryInstalled);
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

bool isCovered(const QWidget* widget)
{
    const QWidget* parent = widget->parentWidget();
    if (!parent || widget->isWindow())
        return false;
    // Children are stacked in the order of the list: the later, the more to the front.
    const QObjectList& siblings = parent->children();
    for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(widget)) + 1; i > 0 && i < siblings.size(); ++i) {
        const auto* sibling = qobject_cast<const QWidget*>(siblings.at(i));
        if (sibling && !sibling->isWindow() && sibling->isVisibleTo(parent)
            && sibling->geometry().contains(widget->geometry()))
            return true;
    }
    return false;
}

namespace {

// A plain container, as Qt describes it, except that it is not showing while covered.
class AccessibleContainer : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (isCovered(widget()))
            state.invisible = true;
        return state;
    }
};

QAccessibleInterface* accessibleContainerFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String("QWidget") || !object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    // A window made of a plain widget (the support screen) is a window to screen readers,
    // not a filler.
    if (widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return new AccessibleContainer(widget);
    return nullptr;
}

} // namespace

void announceCovering(QWidget* widget)
{
    QWidget* parent = widget->parentWidget();
    if (!parent || !QAccessible::isActive())
        return;
    for (QObject* child : parent->children()) {
        if (child->isWidgetType()) {
            QAccessible::State changed;
            changed.invisible = true;
            QAccessibleStateChangeEvent event(child, changed);
            QAccessible::updateAccessibility(&event);
        }
    }
}

} // namespace Look
