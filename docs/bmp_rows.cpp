#include "docs/bmp_rows.h"

#include <QtEndian>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define STRUMIX_SHUFFLE_ROWS 1
#endif

// Saving and opening a page is mostly this: three bytes a pixel to four and back. With the
// byte shuffle of the processor's vector unit four pixels go at a time; without it, a word at
// a time.

namespace strumix {

namespace {

void pack_words(const QRgb* in, uchar* out, int from, int width) {
    out += 3 * from;
    int x = from;
    // Four bytes at a time, the fourth overwritten by the next pixel's blue.
    for (; x + 1 < width; ++x, out += 3) {
        const quint32 word = qToLittleEndian(quint32(in[x]));
        std::memcpy(out, &word, sizeof word);
    }
    for (; x < width; ++x, out += 3) {
        out[0] = uchar(qBlue(in[x]));
        out[1] = uchar(qGreen(in[x]));
        out[2] = uchar(qRed(in[x]));
    }
}

// From the right end leftwards: pixel x's word (bytes 4x to 4x + 3) only covers bytes of
// pixels already turned, never the bytes (below 3x) of those still to come.
void expand_words(uchar* row, int from, int width) {
    for (int x = width - 1; x >= from; --x) {
        const uchar* in = row + 3 * x;
        const QRgb pixel = qRgb(in[2], in[1], in[0]);
        std::memcpy(row + 4 * x, &pixel, sizeof pixel);
    }
}

#ifdef STRUMIX_SHUFFLE_ROWS

bool has_shuffle() {
    static const bool supported = __builtin_cpu_supports("ssse3");
    return supported;
}

// Returns how many pixels were packed; the rest go word by word.
__attribute__((target("ssse3"))) int pack_shuffled(const QRgb* in, uchar* out, int width) {
    const __m128i order = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    int x = 0;
    // Each store writes 16 bytes for 12: stop while the last 4 still fall on later pixels.
    for (; x + 6 <= width; x += 4, out += 12) {
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_shuffle_epi8(pixels, order));
    }
    return x;
}

// The row's whole blocks of four pixels, leftwards from the last; the pixels after the last
// whole block must already be turned.
__attribute__((target("ssse3"))) void expand_shuffled(uchar* row, int blocks) {
    const __m128i order = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xff000000u));
    for (int block = blocks - 1; block >= 0; --block) {
        const int x = 4 * block;
        // Sixteen bytes for the block's twelve: the last four lie in the row (x <= width - 4
        // puts them below 3 * width + 4 <= 4 * width) and are dropped by the shuffle.
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + 3 * x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row + 4 * x),
                         _mm_or_si128(_mm_shuffle_epi8(bytes, order), opaque));
    }
}

#endif

}  // namespace

void pack_bmp_row(const QRgb* in, uchar* out, int width) {
    int done = 0;
#ifdef STRUMIX_SHUFFLE_ROWS
    if (has_shuffle()) done = pack_shuffled(in, out, width);
#endif
    pack_words(in, out, done, width);
}

void expand_bmp_row(uchar* row, int width) {
#ifdef STRUMIX_SHUFFLE_ROWS
    if (has_shuffle() && width >= 4) {
        const int blocks = width / 4;
        expand_words(row, 4 * blocks, width);
        expand_shuffled(row, blocks);
        return;
    }
#endif
    expand_words(row, 0, width);
}

}  // namespace strumix
