#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The window's background picture. At its own size the window shows only the top-left
// corner of the 1024 x 768 JPEG, and decoding even part of a progressive JPEG keeps the
// coefficients of the whole picture in memory. So the program carries that corner as pixels
// ready to show (made at build time) and paints them from where the program file lies in
// memory: start-up decodes no picture at all. The whole picture is decoded only once the
// window grows beyond the corner.
class BackgroundPicture
{
public:
    // `corner` is the part of `picture` that a window of size `shown` covers, as the build
    // writes it: its width and height as two 32-bit numbers, then its rows of RGB32 pixels.
    // Where it is missing, damaged or smaller, that part is cut from `picture` itself.
    BackgroundPicture(const QString& picture, const QString& corner, const QSize& shown);

    // Makes image() cover `area` as far as the picture reaches: decodes the whole picture the
    // first time `area` reaches beyond the corner.
    void cover(const QSize& area);
    // The picture from its top-left corner, as far as cover() has made it. A picture that
    // cannot be read is empty, and the window then shows its background colour alone.
    const QImage& image() const { return image_; }

private:
    QString picture_;
    QSize shown_;
    QImage image_;
    bool whole_ = false;
};
