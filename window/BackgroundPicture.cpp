#include "BackgroundPicture.h"

#include <QImageReader>

namespace {

// An empty `part` reads the whole picture.
QImage readPicture(const QString& resource, const QRect& part)
{
    QImageReader reader(resource);
    reader.setClipRect(part);
    return reader.read();
}

} // namespace

BackgroundPicture::BackgroundPicture(const QString& resource, const QSize& shown)
    : resource_(resource), shown_(shown),
      decoding_(std::async(std::launch::async,
                           [resource, shown] { return readPicture(resource, QRect({}, shown)); }))
{}

const QImage& BackgroundPicture::image(const QSize& area)
{
    if (decoding_.valid()) {
        image_ = decoding_.get();
    }
    if (!whole_ && (area.width() > shown_.width() || area.height() > shown_.height())) {
        whole_ = true;
        image_ = readPicture(resource_, {});
    }
    return image_;
}
