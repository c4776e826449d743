#pragma once

#include <QIcon>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

// An image list: numbered pictures (1 to n) addressed by their keys ("animal/tiger").
class ImageList : public QObject
{
    Q_OBJECT
public:
    ImageList(const QString& objectName, const QStringList& keys, QObject* parent);
    // Resource of picture number (1-based), or an empty string when there is none.
    QString picture(int number) const;
    static QString pictureForKey(const QString& key);

private:
    QStringList m_keys;
};

// Shows one picture (SVG, drawn at the screen's resolution) or an icon, always in the
// screen's own pixels. Nothing is decoded until the box is painted. Screen readers
// announce it as an image with its accessible name and description.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    void setPicture(const QString& resource);
    QString picture() const { return m_resource; }
    // Shows the icon instead of a picture: the smallest of its sizes that covers the box,
    // made smaller to fit. Where the screen needs more pixels than the icon's largest
    // size has, the scalable picture is drawn instead, so the icon is never enlarged.
    void setIcon(const QIcon& icon, const QString& scalable = {});
    // The SVG picture drawn to fill exactly the given pixels; transparent if it cannot be read.
    static QImage render(const QString& resource, const QSize& pixels);
    QSize sizeHint() const override { return {200, 200}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage draw(const QSize& pixels) const;

    QString m_resource;
    QIcon m_icon;
    QString m_scalable;
    QPixmap m_rendered;  // the picture or icon drawn once for the current size and resolution
};
