#include "BackgroundPicture.h"

#include <QImageReader>
#include <QResource>
#include <cstring>

namespace {

// An empty `part` reads the whole picture.
QImage readPicture(const QString& picture, const QRect& part)
{
    QImageReader reader(picture);
    reader.setClipRect(part);
    return reader.read();
}

// The corner's pixels where they lie, or a null image where the resource is not what the
// build writes: compressed, cut short, or smaller than `shown`.
QImage mapCorner(const QString& corner, const QSize& shown)
{
    const QResource resource(corner);
    quint32 size[2] = {};
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() < qint64(sizeof size)) {
        return {};
    }
    std::memcpy(size, resource.data(), sizeof size);
    const auto [width, height] = size;
    if (width < quint32(shown.width()) || height < quint32(shown.height()) ||
        resource.size() != qint64(sizeof size) + qint64(width) * height * 4) {
        return {};
    }
    const uchar* pixels = resource.data() + sizeof size;
    const int bytesPerLine = int(width) * 4;
    // A QImage of 32-bit pixels wants them on a 4-byte boundary; the resource compiler does
    // not promise one.
    if (reinterpret_cast<quintptr>(pixels) % 4 == 0) {
        return QImage(pixels, int(width), int(height), bytesPerLine, QImage::Format_RGB32);
    }
    QImage copied(int(width), int(height), QImage::Format_RGB32);
    for (int y = 0; y < copied.height(); ++y) {
        std::memcpy(copied.scanLine(y), pixels + qsizetype(y) * bytesPerLine, bytesPerLine);
    }
    return copied;
}

} // namespace

BackgroundPicture::BackgroundPicture(const QString& picture, const QString& corner,
                                     const QSize& shown)
    : picture_(picture), shown_(shown), image_(mapCorner(corner, shown))
{
    if (image_.isNull()) {
        image_ = readPicture(picture_, QRect({}, shown_));
    }
}

void BackgroundPicture::cover(const QSize& area)
{
    if (!whole_ && (area.width() > shown_.width() || area.height() > shown_.height())) {
        whole_ = true;
        image_ = readPicture(picture_, {});
    }
}
