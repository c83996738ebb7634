#include "PngIcon.h"

#include <QImageReader>
#include <QPixmap>

QIcon pngIcon(const QString& path, std::span<const int> sizes)
{
    QIcon icon;
    for (const int size : sizes) {
        QImageReader reader(path.arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}
