#pragma once

#include <QRect>
#include <QRectF>

// Every length of the window is given in twips (1/1440 inch). A logical pixel is 1/96 inch,
// so 15 twips; Qt scales logical pixels to the screen, so this is the only conversion.
namespace Twips {

inline constexpr double perPixel = 15.0;

inline constexpr double toPixels(double twips)
{
    return twips / perPixel;
}

inline constexpr double fromPixels(double pixels)
{
    return pixels * perPixel;
}

inline QRect rect(int left, int top, int width, int height)
{
    return QRectF(toPixels(left), toPixels(top), toPixels(width), toPixels(height)).toRect();
}

} // namespace Twips
