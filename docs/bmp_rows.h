#pragma once

#include <QRgb>

namespace strumix {

// A row of the page (0xffRRGGBB words) as a 24-bit bitmap's blue, green, red bytes.
void pack_bmp_row(const QRgb* in, uchar* out, int width);

// A row of a 24-bit bitmap's blue, green, red bytes, read into the start of the page row it
// becomes (4 × width bytes), turned into that row's opaque 0xffRRGGBB words where it lies.
void expand_bmp_row(uchar* row, int width);

}  // namespace strumix
