#include "PictureBox.h"

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
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (m_resource.isEmpty())
        return;
    QSvgRenderer renderer(m_resource);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(rect()));
}
