#pragma once

#include <QRgb>

namespace strumix {

// A row of the page (0xffRRGGBB words) as a 24-bit bitmap's blue, green, red bytes.
void pack_bmp_row(const QRgb* in, uchar* out, int width);

// A row of a 24-bit bitmap's blue, green, red bytes as the page's opaque 0xffRRGGBB words.
void unpack_bmp_row(const uchar* in, QRgb* out, int width);

}  // namespace strumix
