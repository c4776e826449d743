#include "widgets/PictureBox.h"

#include <QImageReader>
#include <QPainter>

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
}

PictureBox::PictureBox(const QString& objectName, QWidget* parent)
    : PictureBox(parent)
{
    setObjectName(objectName);
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

void PictureBox::setIcon(const QIcon& icon)
{
    m_resource.clear();
    m_icon = icon;
    m_rendered = QPixmap();
    update();
}

QImage PictureBox::render(const QString& resource, const QSize& pixels)
{
    // Through Qt's SVG image plugin, which brings in the SVG library only when the first
    // picture is drawn rather than at every start.
    QImageReader reader(resource, "svg");
    reader.setAutoDetectImageFormat(false);
    reader.setScaledSize(pixels);
    QImage image = reader.read();
    if (image.isNull()) {
        image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
    }
    return image;
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (m_resource.isEmpty() && m_icon.isNull())
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (m_rendered.size() != pixels) {
        if (m_icon.isNull()) {
            m_rendered = QPixmap::fromImage(render(m_resource, pixels));
            m_rendered.setDevicePixelRatio(ratio);
        } else {
            m_rendered = m_icon.pixmap(size(), ratio);
        }
    }
    QPainter(this).drawPixmap(rect(), m_rendered);
}
