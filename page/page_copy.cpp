#include "page/page_copy.h"

#include <cstring>

namespace strumix {

namespace {

// Blocks this small are copied with vector moves, whose speed does not depend on alignment;
// a whole page at once goes through the string-move instruction, whose speed does.
constexpr qsizetype kBlock = 2048;
// Above this the library copies with streaming stores, again alignment-blind, and the
// cache-bypassing path is the faster one for a page this large.
constexpr qsizetype kStreamed = qsizetype(4) << 20;

void copy_bytes(uchar* to, const uchar* from, qsizetype bytes) {
    if (bytes >= kStreamed) {
        std::memcpy(to, from, static_cast<size_t>(bytes));
        return;
    }
    for (; bytes >= kBlock; bytes -= kBlock, to += kBlock, from += kBlock) {
        std::memcpy(to, from, kBlock);
    }
    std::memcpy(to, from, static_cast<size_t>(bytes));
}

}  // namespace

QImage copy_pixels(const QImage& image) {
    if (image.isNull()) return QImage();
    QImage copy(image.size(), image.format());
    if (copy.isNull()) return copy;  // out of memory: the caller sees a null image
    if (copy.bytesPerLine() != image.bytesPerLine()) return image.copy();
    copy_bytes(copy.bits(), image.constBits(), image.sizeInBytes());
    copy.setColorTable(image.colorTable());
    copy.setDotsPerMeterX(image.dotsPerMeterX());
    copy.setDotsPerMeterY(image.dotsPerMeterY());
    return copy;
}

}  // namespace strumix
