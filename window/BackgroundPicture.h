#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <future>

// The window's background picture. Decoding the 1024 x 768 JPEG is the largest single cost
// of start-up, in time and in memory, while the window at its own size shows only the
// picture's top-left corner. So only that corner is decoded at start, on a worker thread
// while the window builds its controls and shows itself, and the whole picture only once
// the window grows beyond it.
class BackgroundPicture
{
public:
    // Starts decoding the part of the picture that a window of size `shown` covers. A window
    // closed before its first paint waits for the decoding: the future of std::async waits
    // in its destructor.
    BackgroundPicture(const QString& resource, const QSize& shown);

    // The picture from its top-left corner, covering `area` as far as the picture reaches:
    // waits for the decoding the first time, and decodes the whole picture the first time
    // `area` reaches beyond the part decoded. A picture that cannot be read is empty, and
    // the window then shows its background colour alone.
    const QImage& image(const QSize& area);

private:
    QString resource_;
    QSize shown_;
    std::future<QImage> decoding_;
    QImage image_;
    bool whole_ = false;
};
