#include "BackgroundPicture.h"

#include <QImageReader>

namespace {

// An empty `part` reads the whole picture.
QImage readPicture(const QString& picture, const QRect& part)
{
    QImageReader reader(picture);
    reader.setClipRect(part);
    return reader.read();
}

QImage readCorner(const QString& picture, const QString& corner, const QSize& shown)
{
    // Read as a PNG and nothing else: asked to guess, Qt first offers a PNG to every image
    // plugin it has, loading each one.
    QImageReader reader(corner, "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.width() >= shown.width() && image.height() >= shown.height()) {
        return image;
    }
    return readPicture(picture, QRect({}, shown));
}

} // namespace

BackgroundPicture::BackgroundPicture(const QString& picture, const QString& corner,
                                     const QSize& shown)
    : picture_(picture), shown_(shown),
      reading_(std::async(std::launch::async,
                          [picture, corner, shown] { return readCorner(picture, corner, shown); }))
{}

const QImage& BackgroundPicture::image(const QSize& area)
{
    if (reading_.valid()) {
        image_ = reading_.get();
    }
    if (!whole_ && (area.width() > shown_.width() || area.height() > shown_.height())) {
        whole_ = true;
        image_ = readPicture(picture_, {});
    }
    return image_;
}
