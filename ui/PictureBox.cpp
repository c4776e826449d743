#include "PictureBox.h"

#include "Look.h"

#include <QPainter>
#include <QSvgRenderer>

ImageList::ImageList(const QString& objectName, const QString& folder, const QStringList& keys, QObject* parent)
    : QObject(parent)
    , m_folder(folder)
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

QString ImageList::pictureForKey(const QString& key) const
{
    // Keys keep their historical names ("tiger.jpg"); the pictures are drawn as SVG.
    QString name = key;
    if (name.endsWith(QLatin1String(".jpg")))
        name.chop(4);
    return QStringLiteral(":/pictures/%1/%2.svg").arg(m_folder, name);
}

PictureBox::PictureBox(const QString& objectName, QWidget* parent)
    : QWidget(parent)
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

void PictureBox::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (m_resource.isEmpty()) {
        if (!m_icon.isNull())
            QPainter(this).drawPixmap(rect(), m_icon.pixmap(size(), ratio));
        return;
    }
    if (m_rendered.size() != pixels) {
        m_rendered = QPixmap(pixels);
        m_rendered.fill(Qt::transparent);
        QPainter onPixmap(&m_rendered);
        onPixmap.setRenderHint(QPainter::Antialiasing);
        onPixmap.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRectF target(QPointF(0, 0), QSizeF(pixels));
        if (m_resource.endsWith(QLatin1String(".svg")))
            QSvgRenderer(m_resource).render(&onPixmap, target);
        else
            onPixmap.drawPixmap(target, QPixmap::fromImage(Look::pngImage(m_resource)), QRectF());  // a pre-rendered picture
        m_rendered.setDevicePixelRatio(ratio);
    }
    QPainter(this).drawPixmap(0, 0, m_rendered);
}
