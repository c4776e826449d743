#include "widgets/LinkLabel.h"

#include "widgets/Look.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

// Screen readers read a link by its text and can press it.
class AccessibleLink : public QAccessibleWidget
{
public:
    explicit AccessibleLink(LinkLabel* link)
        : QAccessibleWidget(link, QAccessible::Link)
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    QString text(QAccessible::Text t) const override
    {
        QString value = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && value.isEmpty())
            value = link()->text();
        return value;
    }

    // A link that another covers cannot be seen, so it is not read out.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (Look::isCovered(link()))
            state.invisible = true;
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && link()->isEnabled())
            emit link()->clicked();
    }

private:
    LinkLabel* link() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* accessibleLinkFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("LinkLabel") && object && object->isWidgetType())
        return new AccessibleLink(static_cast<LinkLabel*>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString& objectName, QWidget* parent)
    : LinkLabel(parent)
{
    setObjectName(objectName);
}

LinkLabel::LinkLabel(QWidget* parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleLinkFactory), true);
    Q_UNUSED(factoryInstalled);
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setBold(true);
    f.setUnderline(true);
    setFont(f);
    setFocusPolicy(Qt::TabFocus);  // reachable by keyboard, opened with Enter or Space
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void LinkLabel::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    textChanged();
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void LinkLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void LinkLabel::setWordWrap(bool on)
{
    m_wordWrap = on;
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(on);
    setSizePolicy(policy);
    textChanged();
}

void LinkLabel::textChanged()
{
    m_sizeHint = m_minimumSizeHint = QSize();
    m_heightForWidth = QSize(-1, -1);
    updateGeometry();
    update();
}

int LinkLabel::textFlags() const
{
    // Like a label, the text runs in its own direction, whatever the window's.
    const bool rightToLeft = m_text.isRightToLeft();
    const Qt::Alignment alignment = QStyle::visualAlignment(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight, m_alignment);
    return int(alignment) | (m_wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine)
           | (rightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
}

QSize LinkLabel::textSize(int width) const
{
    const QFontMetrics metrics = fontMetrics();
    const int flags = textFlags() & ~(Qt::AlignVCenter | Qt::AlignHCenter);
    return metrics.boundingRect(0, 0, width, 2000, flags, m_text).size();
}

QSize LinkLabel::sizeHint() const
{
    if (m_sizeHint.isValid())
        return m_sizeHint;
    QSize size;
    if (!m_wordWrap) {
        size = textSize(2000);
    } else {
        // Like a wrapping label: no wider than about 80 characters, and narrower while
        // the text still fits in a few lines.
        const QFontMetrics metrics = fontMetrics();
        const int width = qMin(metrics.averageCharWidth() * 80, maximumWidth());
        size = textSize(width);
        if (size.height() < 4 * metrics.lineSpacing() && size.width() > width / 2)
            size = textSize(width / 2);
        if (size.height() < 2 * metrics.lineSpacing() && size.width() > width / 4)
            size = textSize(width / 4);
    }
    m_sizeHint = size.grownBy(contentsMargins());
    return m_sizeHint;
}

QSize LinkLabel::minimumSizeHint() const
{
    if (!m_wordWrap)
        return sizeHint();
    if (m_minimumSizeHint.isValid())
        return m_minimumSizeHint;
    // The longest word, and at most the height of the preferred shape.
    const QMargins margins = contentsMargins();
    QSize size = textSize(0);
    size.setHeight(qMin(textSize(QWIDGETSIZE_MAX).height(), sizeHint().height() - margins.top() - margins.bottom()));
    m_minimumSizeHint = size.grownBy(margins);
    return m_minimumSizeHint;
}

int LinkLabel::heightForWidth(int width) const
{
    if (!m_wordWrap)
        return QWidget::heightForWidth(width);
    if (m_heightForWidth.width() != width) {
        const QMargins margins = contentsMargins();
        const int height = textSize(qMax(0, width - margins.left() - margins.right())).height();
        m_heightForWidth = QSize(width, height + margins.top() + margins.bottom());
    }
    return m_heightForWidth.height();
}

void LinkLabel::bringToFront(LinkLabel* front, LinkLabel* behind)
{
    front->raise();
    front->setFocusPolicy(Qt::TabFocus);
    behind->setFocusPolicy(Qt::NoFocus);
    if (behind->hasFocus())
        front->setFocus();
    Look::announceCovering(front);
}

void LinkLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    painter.drawText(area, textFlags(), m_text);
    if (!hasFocus())
        return;
    // A keyboard user sees where the focus is.
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = area.adjusted(0, 0, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QWidget::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    QWidget::mouseReleaseEvent(event);
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void LinkLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange
        || event->type() == QEvent::ContentsRectChange)
        textChanged();
    QWidget::changeEvent(event);
}
