#include "page/page_memory.h"

#include <malloc.h>

namespace strumix {

void keep_page_buffers() {
    // The largest page is 64 MiB of pixels; a buffer below the mapping threshold comes from
    // the heap, and the heap keeps up to a few such pages of free memory before trimming.
    constexpr int kMapAbove = 128 << 20;
    constexpr int kTrimAbove = 256 << 20;
    mallopt(M_MMAP_THRESHOLD, kMapAbove);
    mallopt(M_TRIM_THRESHOLD, kTrimAbove);
}

}  // namespace strumix
