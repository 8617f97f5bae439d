#pragma once

#include <QRect>
#include <cmath>

namespace strumix {

// Window and control geometry is given in twips (1/1440 inch), 15 to a pixel at 96 dpi; the
// page is addressed in character cells of 120 × 240 twips.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kColumnPixels = 8;
inline constexpr int kRowPixels = 16;
inline constexpr int kColumnTwips = kColumnPixels * kTwipsPerPixel;
inline constexpr int kRowTwips = kRowPixels * kTwipsPerPixel;

// To the nearest pixel, a half away from zero.
inline int twips_to_pixels(int twips) {
    return static_cast<int>(std::lround(twips / double(kTwipsPerPixel)));
}
inline int pixels_to_twips(int pixels) { return pixels * kTwipsPerPixel; }
inline QRect twips_rect(int left, int top, int width, int height) {
    return QRect(twips_to_pixels(left), twips_to_pixels(top), twips_to_pixels(width),
                 twips_to_pixels(height));
}
inline QRect twips_rect(const QRect& twips) {
    return twips_rect(twips.left(), twips.top(), twips.width(), twips.height());
}

}  // namespace strumix
