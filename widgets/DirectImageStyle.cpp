#include "widgets/DirectImageStyle.h"

#include "platform/SystemLook.h"
#include "widgets/PngImage.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {
const QString QtImages = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");
}

QStyle* DirectImageStyle::create()
{
    const QString base = SystemLook::baseStyleName();
    return base.isEmpty() ? new DirectImageStyle : new DirectImageStyle(base);
}

QIcon DirectImageStyle::standardIcon(StandardPixmap pixmap, const QStyleOption* option, const QWidget* widget) const
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

void DirectImageStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const
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

QIcon DirectImageStyle::cached(QIcon& icon, const char* pattern, std::initializer_list<int> sizes)
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
