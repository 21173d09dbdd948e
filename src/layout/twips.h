#pragma once

#include <QRect>
#include <QSizeF>
#include <QtMath>

// The design measures in twips: 1/1440 inch, 15 to a pixel at 96 dpi.
constexpr double TwipsPerPixel = 15.0;

constexpr int twipsToPixels(double twips)
{
    // Halves round away from zero.
    return qRound(twips / TwipsPerPixel);
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
