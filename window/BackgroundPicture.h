#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <future>

// The window's background picture. At its own size the window shows only the top-left
// corner of the 1024 x 768 JPEG, and a progressive JPEG keeps the coefficients of the whole
// picture in memory while it decodes even part of it. So start-up reads only that corner,
// from a PNG cut from the JPEG at build time, on a worker thread while the window builds its
// controls and shows itself; the whole picture is decoded only once the window grows beyond
// the corner.
class BackgroundPicture
{
public:
    // Starts reading `corner`, the part of `picture` that a window of size `shown` covers;
    // where it is missing or smaller, that part is cut from `picture` itself. A window
    // closed before its first paint waits for the reading: the future of std::async waits
    // in its destructor.
    BackgroundPicture(const QString& picture, const QString& corner, const QSize& shown);

    // The picture from its top-left corner, covering `area` as far as the picture reaches:
    // waits for the reading the first time, and decodes the whole picture the first time
    // `area` reaches beyond the corner. A picture that cannot be read is empty, and the
    // window then shows its background colour alone.
    const QImage& image(const QSize& area);

private:
    QString picture_;
    QSize shown_;
    std::future<QImage> reading_;
    QImage image_;
    bool whole_ = false;
};
