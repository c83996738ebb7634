#pragma once

#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <span>

// An icon drawn for each of `sizes`, from the PNG files that `path` names with "%1" for the
// size. Read as PNGs and nothing else: asked to guess, Qt first offers a PNG to every image
// plugin it has, loading each one, where its own decoder reads it in a fraction of that.
inline QIcon pngIcon(const QString& path, std::span<const int> sizes)
{
    QIcon icon;
    for (const int size : sizes) {
        QImageReader reader(path.arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}
