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

void unpack_words(const uchar* in, QRgb* out, int from, int width) {
    in += 3 * from;
    int x = from;
    // Four bytes at a time (this pixel and the next one's blue), the fourth made opaque.
    for (; x + 1 < width; ++x, in += 3) {
        quint32 word;
        std::memcpy(&word, in, sizeof word);
        out[x] = qFromLittleEndian(word) | 0xff000000u;
    }
    for (; x < width; ++x, in += 3) out[x] = qRgb(in[2], in[1], in[0]);
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

__attribute__((target("ssse3"))) int unpack_shuffled(const uchar* in, QRgb* out, int width) {
    const __m128i order = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xff000000u));
    int x = 0;
    // Each load reads 16 bytes for 12: stop while the last 4 still belong to the row.
    for (; x + 6 <= width; x += 4, in += 12) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x),
                         _mm_or_si128(_mm_shuffle_epi8(bytes, order), opaque));
    }
    return x;
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

void unpack_bmp_row(const uchar* in, QRgb* out, int width) {
    int done = 0;
#ifdef STRUMIX_SHUFFLE_ROWS
    if (has_shuffle()) done = unpack_shuffled(in, out, width);
#endif
    unpack_words(in, out, done, width);
}

}  // namespace strumix
