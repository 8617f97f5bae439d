#include "files/picture_checks.h"

#include <QCoreApplication>
#include <QIODevice>
#include <cstdlib>

#include "files/bmp_rows.h"

namespace strumix {

namespace {

QString damaged() {
    return QCoreApplication::translate("PageFile",
                                       "The picture file is damaged: its data ends early.");
}

// A bitmap's compression codes.
constexpr quint32 kRgb = 0;
constexpr quint32 kRle8 = 1;
constexpr quint32 kRle4 = 2;
constexpr quint32 kBitFields = 3;

// Walks run-length data (a pair a run, escapes for line ends, deltas and literal runs) to its
// end-of-picture mark or its last row.
bool rle_complete(const QByteArray& data, int height, bool four_bits) {
    const auto* at = reinterpret_cast<const uchar*>(data.constData());
    const auto* end = at + data.size();
    int row = 0;
    while (row < height) {
        if (end - at < 2) return false;
        const uchar count = at[0];
        const uchar value = at[1];
        at += 2;
        if (count > 0) continue;
        if (value == 0) {
            ++row;
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (end - at < 2) return false;
            row += at[1];
            at += 2;
        } else {
            // A literal run of `value` pixels, padded to a whole 16-bit word.
            qsizetype bytes = four_bits ? (value + 1) / 2 : value;
            bytes += bytes & 1;
            if (end - at < bytes) return false;
            at += bytes;
        }
    }
    return true;
}

bool bmp_complete(QIODevice& device) {
    const QByteArray head = device.peek(14 + 40);
    if (head.size() < 14 + 40 || le32(head, 14) < 40) return true;
    const quint32 compression = le32(head, 30);
    if (compression != kRle8 && compression != kRle4) return true;
    const int height = std::abs(le32s(head, 22));
    if (!device.seek(le32(head, 10))) return false;
    return rle_complete(device.readAll(), height, compression == kRle4);
}

// A JPEG ends with its end-of-picture marker after the last scan; inside scans a 0xFF byte is
// always followed by a stuffed 0 or a restart marker, never by the end marker.
bool jpeg_complete(const QByteArray& data) {
    const qsizetype last_scan = data.lastIndexOf(QByteArray("\xff\xda", 2));
    if (last_scan < 0) return false;
    return data.indexOf(QByteArray("\xff\xd9", 2), last_scan) > last_scan;
}

// Skips a GIF's chain of data sub-blocks, each led by its length, to the zero that ends it.
bool skip_sub_blocks(const QByteArray& data, qsizetype& at) {
    while (at < data.size()) {
        const uchar length = uchar(data[at++]);
        if (length == 0) return true;
        at += length;
    }
    return false;
}

// A GIF is a header, a screen descriptor, then extensions and pictures up to its trailer.
bool gif_complete(const QByteArray& data) {
    if (data.size() < 13) return false;
    qsizetype at = 13;
    const uchar flags = uchar(data[10]);
    if (flags & 0x80) at += 3 * (qsizetype(2) << (flags & 7));
    while (at < data.size()) {
        const uchar block = uchar(data[at++]);
        if (block == 0x3B) return true;
        if (block == 0x21) {
            ++at;  // the extension's label
            if (!skip_sub_blocks(data, at)) return false;
        } else if (block == 0x2C) {
            if (data.size() - at < 9) return false;
            const uchar local = uchar(data[at + 8]);
            at += 9;
            if (local & 0x80) at += 3 * (qsizetype(2) << (local & 7));
            ++at;  // the code size
            if (!skip_sub_blocks(data, at)) return false;
        } else {
            return false;
        }
    }
    return false;
}

// An XBM's bytes are written out in braces: all of them, and the closing brace.
bool xbm_complete(const QByteArray& data) {
    const qsizetype open = data.indexOf('{');
    return open >= 0 && data.indexOf('}', open) > open;
}

}  // namespace

QString truncated_bmp() {
    return QCoreApplication::translate(
        "PageFile", "The bitmap file is damaged: it is shorter than its header says.");
}

bool bmp_fits_file(const QByteArray& head, qint64 file_size, QString* error) {
    if (head.size() < 18 || !head.startsWith("BM")) {
        *error = truncated_bmp();
        return false;
    }
    const quint32 offset = le32(head, 10);
    const quint32 info_size = le32(head, 14);
    qint64 width = 0;
    qint64 height = 0;
    int bits = 0;
    quint32 compression = 0;
    if (info_size == 12 && head.size() >= 14 + 12) {
        width = le16(head, 18);
        height = le16(head, 20);
        bits = le16(head, 24);
    } else if (info_size >= 40 && head.size() >= 14 + 40) {
        width = le32s(head, 18);
        height = std::abs(qint64(le32s(head, 22)));
        bits = le16(head, 28);
        compression = le32(head, 30);
    } else {
        *error = QCoreApplication::translate("PageFile",
                                             "The bitmap file has a header Strumix does not know.");
        return false;
    }
    if (offset >= file_size || qint64(14) + info_size > file_size) {
        *error = truncated_bmp();
        return false;
    }
    if (compression == kRle8 || compression == kRle4) return true;
    if (compression != kRgb && compression != kBitFields) {
        *error = QCoreApplication::translate(
            "PageFile", "The bitmap file is compressed in a way Strumix cannot read.");
        return false;
    }
    if (width <= 0 || height <= 0 || bits <= 0 || bits > 32) {
        *error = QCoreApplication::translate("PageFile",
                                             "The bitmap file gives an impossible picture size.");
        return false;
    }
    const qint64 row_bytes = ((width * bits + 31) / 32) * 4;
    // row_bytes * height > file_size - offset, without the product overflowing.
    if (row_bytes > (file_size - offset) / height) {
        *error = truncated_bmp();
        return false;
    }
    return true;
}

bool picture_complete(const QByteArray& format, QIODevice& device, QString* error) {
    bool complete = true;
    if (format == "bmp") {
        complete = bmp_complete(device);
    } else if (format == "jpeg" || format == "jpg" || format == "gif" || format == "xbm") {
        const QByteArray data = device.readAll();
        if (format == "gif") {
            complete = gif_complete(data);
        } else if (format == "xbm") {
            complete = xbm_complete(data);
        } else {
            complete = jpeg_complete(data);
        }
    }
    if (!device.seek(0)) complete = false;
    if (!complete) *error = damaged();
    return complete;
}

}  // namespace strumix
