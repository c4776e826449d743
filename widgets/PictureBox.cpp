#include "widgets/PictureBox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace {

// Screen readers announce a picture as an image and read its description.
class AccessiblePicture : public QAccessibleWidget, public QAccessibleImageInterface
{
public:
    explicit AccessiblePicture(QWidget* box)
        : QAccessibleWidget(box, QAccessible::Graphic)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ImageInterface)
            return static_cast<QAccessibleImageInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString imageDescription() const override { return text(QAccessible::Description); }
    QSize imageSize() const override { return widget()->size(); }
    QPoint imagePosition() const override { return rect().topLeft(); }
};

QAccessibleInterface* accessiblePictureFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("PictureBox") && object && object->isWidgetType())
        return new AccessiblePicture(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

ImageList::ImageList(const QString& objectName, const QStringList& keys, QObject* parent)
    : QObject(parent)
    , m_keys(keys)
{
    setObjectName(objectName);
}

QString ImageList::picture(int number) const
{
    if (number < 1 || number > m_keys.size())
        return {};
    return pictureForKey(m_keys.at(number - 1));
}

QString ImageList::pictureForKey(const QString& key)
{
    return QStringLiteral(":/pictures/%1.svg").arg(key);
}

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessiblePictureFactory), true);
    Q_UNUSED(factoryInstalled);
}

void PictureBox::setPicture(const QString& resource)
{
    if (resource == m_resource)
        return;
    m_resource = resource;
    m_icon = QIcon();
    m_rendered = QPixmap();
    update();
}

void PictureBox::setIcon(const QIcon& icon, const QString& scalable)
{
    m_resource.clear();
    m_icon = icon;
    m_scalable = scalable;
    m_rendered = QPixmap();
    update();
}

namespace {

// Where no SVG can be drawn (a build without Qt SVG), the picture comes from bitmaps
// rendered from it at build time, "<name>-<width>.png" beside it: the smallest that
// covers the pixels, made smaller to fit, or else the largest.
QImage drawnFromBitmaps(const QString& resource, const QSize& pixels)
{
    const QFileInfo svg(resource);
    const QString prefix = svg.completeBaseName() + u'-';
    int best = 0;
    int largest = 0;
    for (const QString& name : QDir(svg.path()).entryList({prefix + QStringLiteral("*.png")}, QDir::Files)) {
        bool ok = false;
        const int width = QStringView(name).mid(prefix.size()).chopped(4).toInt(&ok);
        if (!ok)
            continue;
        largest = qMax(largest, width);
        if (width >= pixels.width() && (best == 0 || width < best))
            best = width;
    }
    if (best == 0 && largest == 0)
        return {};
    const QImage image(svg.path() + u'/' + prefix + QString::number(best ? best : largest) + QStringLiteral(".png"));
    if (image.isNull() || image.size() == pixels)
        return image;
    return image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

QImage PictureBox::render(const QString& resource, const QSize& pixels)
{
    // Through Qt's SVG image plugin, which brings in the SVG library only when the first
    // picture is drawn rather than at every start.
    QImageReader reader(resource, "svg");
    reader.setAutoDetectImageFormat(false);
    reader.setScaledSize(pixels);
    QImage image = reader.read();
    if (image.isNull())
        image = drawnFromBitmaps(resource, pixels);
    if (image.isNull()) {
        image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
    }
    return image;
}

QImage PictureBox::draw(const QSize& pixels) const
{
    if (m_icon.isNull())
        return render(m_resource, pixels);
    QSize source;
    QSize largest;
    for (const QSize& size : m_icon.availableSizes()) {
        if (size.width() >= pixels.width() && size.height() >= pixels.height()
            && (!source.isValid() || size.width() < source.width()))
            source = size;
        if (!largest.isValid() || size.width() > largest.width())
            largest = size;
    }
    if (!source.isValid() && !m_scalable.isEmpty())
        return render(m_scalable, pixels);
    const QImage image = m_icon.pixmap(source.isValid() ? source : largest, 1.0).toImage();
    if (image.size() == pixels)
        return image;
    return image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (m_resource.isEmpty() && m_icon.isNull())
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_rendered.size() != pixels || m_rendered.devicePixelRatio() != ratio) {
        m_rendered = QPixmap::fromImage(draw(pixels));
        m_rendered.setDevicePixelRatio(ratio);
    }
    // One pixel of the picture to one pixel of the screen.
    QPainter(this).drawPixmap(QPointF(0, 0), m_rendered);
}
