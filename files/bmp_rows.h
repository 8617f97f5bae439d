#pragma once

#include <QByteArray>
#include <QRgb>
#include <QtEndian>
#include <QtGlobal>
#include <algorithm>

namespace strumix {

// A bitmap header's little-endian numbers.
inline quint16 le16(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
inline quint32 le32(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
inline qint32 le32s(const QByteArray& bytes, int at) {
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}

// Rows are written, and read, this many bytes at a time through a piece of memory that stays
// in the processor's cache.
inline constexpr qint64 kChunkBytes = 512 * 1024;
inline constexpr int kPlainBmpHeader = 14 + 40;

// A 24-bit bitmap row's bytes: three a pixel, padded to whole words.
inline qsizetype plain_row_bytes(int width) { return (qsizetype(width) * 3 + 3) & ~qsizetype(3); }

// How many rows of `row_bytes` go through one chunk, for a picture `height` rows high.
inline int chunk_rows(qsizetype row_bytes, int height) {
    return int(std::clamp<qint64>(kChunkBytes / row_bytes, 1, height));
}

// A row of the page (0xffRRGGBB words) as a 24-bit bitmap's blue, green, red bytes.
void pack_bmp_row(const QRgb* in, uchar* out, int width);

// `rows` rows of a 24-bit bitmap's blue, green, red bytes (3 × width of them each, a row every
// `in_step` bytes) as page rows of opaque 0xffRRGGBB words, a row every `out_step` bytes
// (negative where the page runs the other way). Streamed words go straight to memory past the
// processor's caches: for a page far larger than they are, where its rows would only push each
// other out of them and each word would first be fetched only to be overwritten.
void expand_bmp_rows(const uchar* in, qsizetype in_step, uchar* out, qsizetype out_step, int width,
                     int rows, bool stream);

}  // namespace strumix
