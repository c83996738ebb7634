#include "BackgroundPicture.h"

BackgroundPicture::BackgroundPicture(const QString& resource)
    : decoding_(std::async(std::launch::async, [resource] { return QImage(resource); }))
{}

const QImage& BackgroundPicture::image()
{
    if (decoding_.valid()) {
        image_ = decoding_.get();
    }
    return image_;
}
