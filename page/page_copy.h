#pragma once

#include <QImage>

namespace strumix {

// A copy of `image` in a pixel buffer of its own, as fast as the machine copies memory
// whatever the two buffers' addresses. (A single block copy of a start-up-sized page runs
// ten to thirty times slower on some processors when the target lies a few bytes further
// along its 64-byte line than the source, and where the allocator places a buffer is chance.)
QImage copy_pixels(const QImage& image);

}  // namespace strumix
