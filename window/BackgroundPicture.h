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
    // A window closed before its first paint waits for the decoding: the future of
    // std::async waits in its destructor.
    explicit BackgroundPicture(const QString& resource);

    // Waits for the decoding the first time; a picture that cannot be read is empty, and
    // the window then shows its background colour alone.
    const QImage& image();

private:
    std::future<QImage> decoding_;
    QImage image_;
};
