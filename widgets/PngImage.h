#pragma once

#include <QImage>
#include <QString>

// Reads a PNG file or resource. Naming the format and switching off detection keeps Qt
// from loading every image-format plugin just to ask each whether it reads the file.
QImage pngImage(const QString& path);
