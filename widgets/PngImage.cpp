#include "widgets/PngImage.h"

#include <QFile>
#include <QImageReader>

QImage pngImage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};  // quietly: the style asks for images a later Qt may have renamed
    QImageReader reader(&file, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
