#include "page/page_memory.h"

#include <malloc.h>
#include <unistd.h>

#include <cstdlib>

namespace strumix {

void keep_page_buffers() {
    // The largest page is 64 MiB of pixels; a buffer below the mapping threshold comes from
    // the heap, and the heap keeps up to a few such pages of free memory before trimming.
    constexpr int kMapAbove = 128 << 20;
    constexpr int kTrimAbove = 256 << 20;
    mallopt(M_MMAP_THRESHOLD, kMapAbove);
    mallopt(M_TRIM_THRESHOLD, kTrimAbove);
}

void ready_page_buffer(qsizetype bytes) {
    if (bytes <= 0) return;
    auto* buffer = static_cast<volatile char*>(std::malloc(static_cast<size_t>(bytes)));
    if (!buffer) return;
    // One write a memory page maps it in; freed, the heap keeps it for the next page buffer.
    static const long step = sysconf(_SC_PAGESIZE) > 0 ? sysconf(_SC_PAGESIZE) : 4096;
    for (qsizetype at = 0; at < bytes; at += step) buffer[at] = 0;
    std::free(const_cast<char*>(buffer));
}

}  // namespace strumix
