#include <QCoreApplication>
#include <QtEndian>

#include "files/bmp_rows.h"
#include "files/page_file.h"
#include "files/safe_write.h"

namespace strumix {

namespace {

// The headers of a 24-bit Windows bitmap, bottom row first, as Strumix writes a page.
QByteArray bmp_header(int width, int height, qsizetype row_bytes) {
    QByteArray bytes(kPlainBmpHeader, '\0');
    char* out = bytes.data();
    auto put16 = [&](int at, quint16 value) { qToLittleEndian<quint16>(value, out + at); };
    auto put32 = [&](int at, quint32 value) { qToLittleEndian<quint32>(value, out + at); };
    const qsizetype pixel_bytes = row_bytes * height;
    out[0] = 'B';
    out[1] = 'M';
    put32(2, quint32(kPlainBmpHeader + pixel_bytes));
    put32(10, kPlainBmpHeader);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    put16(26, 1);
    put16(28, 24);
    put32(34, quint32(pixel_bytes));
    // 96 dots per inch, in dots per metre.
    put32(38, 3780);
    put32(42, 3780);
    return bytes;
}

// The page (RGB32 or ARGB32) as a 24-bit Windows bitmap into the open file, a chunk of rows at
// a time. Written here rather than through Qt's bitmap writer, which converts pixel by pixel
// and makes saving the largest page many times slower than writing its bytes.
bool write_bmp(QIODevice& file, const QImage& page) {
    const int width = page.width();
    const int height = page.height();
    const qsizetype row_bytes = plain_row_bytes(width);
    const QByteArray header = bmp_header(width, height, row_bytes);
    if (!write_all(file, header.constData(), header.size())) return false;
    const int rows_per_chunk = chunk_rows(row_bytes, height);
    // Zeroed once: the padding at each row's end is never written over.
    std::vector<uchar> chunk(size_t(rows_per_chunk * row_bytes), 0);
    for (int done = 0; done < height; done += rows_per_chunk) {
        const int rows = std::min(rows_per_chunk, height - done);
        for (int r = 0; r < rows; ++r) {
            const int y = height - 1 - (done + r);
            pack_bmp_row(reinterpret_cast<const QRgb*>(page.constScanLine(y)),
                         chunk.data() + r * row_bytes, width);
        }
        const qint64 bytes = rows * row_bytes;
        if (!write_all(file, reinterpret_cast<const char*>(chunk.data()), bytes)) return false;
    }
    return true;
}

}  // namespace

bool write_page_file(const QString& path, const QImage& image, QString* error) {
    if (image.isNull()) {
        *error = QCoreApplication::translate("PageFile", "There is no page to save.");
        return false;
    }
    const QImage page =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(QImage::Format_RGB32);
    if (page.isNull()) {
        *error = QCoreApplication::translate("PageFile", "Out of memory.");
        return false;
    }
    QString reason;
    if (!write_file_whole(
            path, [&page](QIODevice& file) { return write_bmp(file, page); }, &reason)) {
        *error =
            QCoreApplication::translate("PageFile", "Cannot save \"%1\": %2").arg(path, reason);
        return false;
    }
    return true;
}

}  // namespace strumix
