#include "files/bmp_rows.h"

#include <QtEndian>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define STRUMIX_SHUFFLE_ROWS 1
#endif

// Saving and opening a page is mostly this: three bytes a pixel to four and back. With the
// byte shuffle of the processor's vector unit four or eight pixels go at a time; without it, a
// word at a time.

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

QRgb expanded(const uchar* in) { return qRgb(in[2], in[1], in[0]); }

void expand_words(const uchar* in, QRgb* out, int from, int width) {
    for (int x = from; x < width; ++x) out[x] = expanded(in + 3 * x);
}

#ifdef STRUMIX_SHUFFLE_ROWS

// A streamed store takes a whole aligned block: the words before the first one go one by one.
// Returns how many were turned.
int expand_to_block(const uchar* in, QRgb* out, int width, quintptr block_bytes) {
    int x = 0;
    for (; x < width && (reinterpret_cast<quintptr>(out + x) & (block_bytes - 1)) != 0; ++x) {
        out[x] = expanded(in + 3 * x);
    }
    return x;
}

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

// Returns how many pixels were turned; the rest go word by word.
__attribute__((target("ssse3"))) int expand_shuffled(const uchar* in, QRgb* out, int width,
                                                     bool stream) {
    const __m128i order = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xff000000u));
    int x = stream ? expand_to_block(in, out, width, sizeof(__m128i)) : 0;
    // Each load reads 16 bytes for 12: stop while the last 4 still lie in the row.
    for (; x + 6 <= width; x += 4) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 3 * x));
        const __m128i pixels = _mm_or_si128(_mm_shuffle_epi8(bytes, order), opaque);
        auto* to = reinterpret_cast<__m128i*>(out + x);
        if (stream) {
            _mm_stream_si128(to, pixels);
        } else {
            _mm_storeu_si128(to, pixels);
        }
    }
    return x;
}

bool has_wide_shuffle() {
    static const bool supported = __builtin_cpu_supports("avx2");
    return supported;
}

// The same eight pixels at a time, where the processor has the wider vector unit.
__attribute__((target("avx2"))) int expand_wide(const uchar* in, QRgb* out, int width,
                                                bool stream) {
    // Each half of the register takes twelve of the 24 bytes loaded, then is shuffled alone.
    const __m256i halves = _mm256_setr_epi32(0, 1, 2, 0, 3, 4, 5, 0);
    const __m256i order = _mm256_broadcastsi128_si256(
        _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1));
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(0xff000000u));
    int x = stream ? expand_to_block(in, out, width, sizeof(__m256i)) : 0;
    // Each load reads 32 bytes for 24: stop while the last 8 still lie in the row.
    for (; x + 11 <= width; x += 8) {
        const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + 3 * x));
        const __m256i pixels = _mm256_or_si256(
            _mm256_shuffle_epi8(_mm256_permutevar8x32_epi32(bytes, halves), order), opaque);
        auto* to = reinterpret_cast<__m256i*>(out + x);
        if (stream) {
            _mm256_stream_si256(to, pixels);
        } else {
            _mm256_storeu_si256(to, pixels);
        }
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

void expand_bmp_rows(const uchar* in, qsizetype in_step, uchar* out, qsizetype out_step, int width,
                     int rows, bool stream) {
    for (int r = 0; r < rows; ++r, in += in_step, out += out_step) {
        auto* words = reinterpret_cast<QRgb*>(out);
        int done = 0;
#ifdef STRUMIX_SHUFFLE_ROWS
        if (has_wide_shuffle()) {
            done = expand_wide(in, words, width, stream);
        } else if (has_shuffle()) {
            done = expand_shuffled(in, words, width, stream);
        }
#endif
        expand_words(in, words, done, width);
    }
#ifdef STRUMIX_SHUFFLE_ROWS
    // Streamed words reach other threads, and this one's later reads, only after the fence;
    // once for all the rows, as each fence waits for every streamed word to land.
    if (stream) _mm_sfence();
#else
    Q_UNUSED(stream);
#endif
}

}  // namespace strumix
