#pragma once

#include <QImage>
#include <QString>
#include <future>

// The window's background picture. Decoding the 1024 x 768 JPEG is the largest single cost
// of start-up, so it runs on a worker thread while the window builds its controls and
// shows itself; the first paint takes the result.
class BackgroundPicture
{
public:
    explicit BackgroundPicture(const QString& resource);
    ~BackgroundPicture();

    BackgroundPicture(const BackgroundPicture&) = delete;
    BackgroundPicture& operator=(const BackgroundPicture&) = delete;

    // Waits for the decoding the first time; a picture that cannot be read is empty, and
    // the window then shows its background colour alone.
    const QImage& image();

private:
    std::future<QImage> decoding_;
    QImage image_;
};
