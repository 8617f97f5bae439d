#pragma once

#include <QImage>
#include <QRgb>

namespace strumix {

// Whether a pixel of the page is ink: the page is black on white, and anything nearer black
// than white is taken for black wherever the page is read back.
inline bool is_ink(QRgb pixel) { return qGray(pixel) < 128; }
inline bool ink_at(const QImage& image, int x, int y) {
    return image.valid(x, y) && is_ink(image.pixel(x, y));
}

}  // namespace strumix
