#pragma once

#include <QRect>
#include <QSizeF>
#include <QtMath>

// The design measures in twips: 1/1440 inch, 15 to a pixel at 96 dpi.
constexpr double TwipsPerPixel = 15.0;

constexpr int twipsToPixels(double twips)
{
    return static_cast<int>(twips >= 0 ? twips / TwipsPerPixel + 0.5 : twips / TwipsPerPixel - 0.5);
}

constexpr QRect twipsToPixels(const QRect &twips)
{
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
            twipsToPixels(twips.height())};
}

inline QSizeF pixelsToTwips(const QSize &pixels)
{
    return {pixels.width() * TwipsPerPixel, pixels.height() * TwipsPerPixel};
}
