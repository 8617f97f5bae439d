#include "docs/page_file.h"

#include <sys/uio.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "docs/bmp_rows.h"
#include "page/page_picture.h"

namespace strumix {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("PageFile", text); }

constexpr qint64 kMebibyte = 1024 * 1024;
// BITMAPFILEHEADER (14 bytes) and the largest info header Qt reads (BITMAPV5HEADER, 124).
constexpr int kBmpHeadBytes = 14 + 124;

quint16 le16(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
quint32 le32(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
qint32 le32s(const QByteArray& bytes, int at) {
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}

// The page as a 24-bit Windows bitmap, bottom row first. Written here rather than through Qt's
// bitmap writer, which converts pixel by pixel and makes saving the largest page many times
// slower than writing its bytes.
QByteArray encode_bmp(const QImage& image) {
    const QImage page =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(QImage::Format_RGB32);
    const int width = page.width();
    const int height = page.height();
    const qsizetype row_bytes = (qsizetype(width) * 3 + 3) & ~qsizetype(3);
    constexpr int kHeader = 14 + 40;
    const qsizetype pixel_bytes = row_bytes * height;
    QByteArray bytes(kHeader + pixel_bytes, '\0');
    char* out = bytes.data();
    auto put16 = [&](int at, quint16 value) { qToLittleEndian<quint16>(value, out + at); };
    auto put32 = [&](int at, quint32 value) { qToLittleEndian<quint32>(value, out + at); };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, quint32(bytes.size()));
    put32(10, kHeader);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    put16(26, 1);
    put16(28, 24);
    put32(34, quint32(pixel_bytes));
    // 96 dots per inch, in dots per metre.
    put32(38, 3780);
    put32(42, 3780);
    for (int y = 0; y < height; ++y) {
        pack_bmp_row(
            reinterpret_cast<const QRgb*>(page.constScanLine(y)),
            reinterpret_cast<uchar*>(out) + kHeader + qsizetype(height - 1 - y) * row_bytes, width);
    }
    return bytes;
}

QString truncated_bmp() {
    return tr("The bitmap file is damaged: it is shorter than its header says.");
}

// Pictures with transparency are laid on white paper, as the page is.
QImage opaque_page(const QImage& read) {
    if (!read.hasAlphaChannel()) return read.convertToFormat(QImage::Format_RGB32);
    QImage page(read.size(), QImage::Format_RGB32);
    if (page.isNull()) return page;
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.drawImage(0, 0, read);
    return page;
}

// Qt reads a truncated bitmap without complaint and leaves the missing rows as whatever memory
// held, so the header's claim is checked against the file's length first.
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
        *error = tr("The bitmap file has a header Strumix does not know.");
        return false;
    }
    if (offset >= file_size || qint64(14) + info_size > file_size) {
        *error = truncated_bmp();
        return false;
    }
    constexpr quint32 kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;
    if (compression == kRle8 || compression == kRle4) {
        // Run-length data has no fixed length; Qt clears the page before decoding it.
        return true;
    }
    if (compression != kRgb && compression != kBitFields) {
        *error = tr("The bitmap file is compressed in a way Strumix cannot read.");
        return false;
    }
    if (width <= 0 || height <= 0 || bits <= 0 || bits > 32) {
        *error = tr("The bitmap file gives an impossible picture size.");
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

// Rows of a bottom-up bitmap are read a few hundred kilobytes at a time.
constexpr qint64 kChunkBytes = 256 * 1024;

// The page row that the file's row `r` (counted from the file's first, the bottom) becomes.
uchar* page_row(QImage& page, int r) {
    return page.bits() + qsizetype(page.height() - 1 - r) * page.bytesPerLine();
}

// The file's rows [first, first + count) into the starts of their page rows, one call for
// them all, read at `at` whatever the file's position.
bool read_rows_at(int fd, qint64 at, QImage& page, int first, int count, qint64 row_bytes) {
    std::vector<iovec> rows(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        rows[size_t(i)].iov_base = page_row(page, first + i);
        rows[size_t(i)].iov_len = size_t(row_bytes);
    }
    size_t next = 0;
    while (next < rows.size()) {
        const int batch = int(std::min<size_t>(rows.size() - next, IOV_MAX));
        const ssize_t got = ::preadv(fd, rows.data() + next, batch, off_t(at));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        at += got;
        // A short read leaves the rest of a row and the rows after it for the next call.
        for (size_t left = size_t(got); left > 0;) {
            iovec& row = rows[next];
            const size_t taken = std::min(left, row.iov_len);
            row.iov_base = static_cast<char*>(row.iov_base) + taken;
            row.iov_len -= taken;
            left -= taken;
            if (row.iov_len == 0) ++next;
        }
    }
    return true;
}

// The same from any device, row by row, at its position.
bool read_rows(QIODevice& device, QImage& page, int first, int count, qint64 row_bytes) {
    for (int r = first; r < first + count; ++r) {
        if (device.read(reinterpret_cast<char*>(page_row(page, r)), row_bytes) != row_bytes) {
            return false;
        }
    }
    return true;
}

// The plain 24-bit bitmap that Strumix itself writes, decoded directly: nothing to guess and
// no plugin to ask, so opening a saved page costs little more than reading its bytes. Returns
// nothing when the file is any other kind of picture, for Qt's readers to decode.
std::optional<bool> read_plain_bmp(QIODevice& device, const PagePicture& limits, QImage* image,
                                   QString* error) {
    constexpr int kHeader = 14 + 40;
    const QByteArray head = device.peek(kHeader);
    if (head.size() < kHeader || head[0] != 'B' || head[1] != 'M' || le32(head, 14) != 40 ||
        le16(head, 26) != 1 || le16(head, 28) != 24 || le32(head, 30) != 0) {
        return std::nullopt;
    }
    const qint32 width = le32s(head, 18);
    const qint32 height = le32s(head, 22);
    const quint32 offset = le32(head, 10);
    if (width <= 0 || height <= 0 || offset < quint32(kHeader)) return std::nullopt;
    const qint64 row_bytes = (qint64(width) * 3 + 3) & ~qint64(3);
    // Asked as a division: the header's width and height multiplied overflow 64 bits.
    const qint64 after_offset = device.size() - qint64(offset);
    if (after_offset < 0 || row_bytes > after_offset / height) {
        *error = truncated_bmp();
        return false;
    }
    if (!limits.size_allowed(QSize(width, height), error)) return false;
    if (!device.seek(offset)) {
        *error = device.errorString();
        return false;
    }
    QImage page(width, height, QImage::Format_RGB32);
    if (page.isNull()) {
        *error = tr("Out of memory.");
        return false;
    }
    // Each row's bytes go straight into the start of the page row they become and are
    // turned into pixels where they lie, a few hundred kilobytes of rows at a time: the rows
    // are still in the cache when they are turned.
    const int chunk_rows = int(std::clamp<qint64>(kChunkBytes / row_bytes, 1, height));
    auto* file = qobject_cast<QFile*>(&device);
    for (int done = 0; done < height;) {
        const int rows = std::min(chunk_rows, height - done);
        const bool read = file && file->handle() >= 0
                              ? read_rows_at(file->handle(), offset + done * row_bytes, page, done,
                                             rows, row_bytes)
                              : read_rows(device, page, done, rows, row_bytes);
        if (!read) {
            *error = truncated_bmp();
            return false;
        }
        for (int r = done; r < done + rows; ++r) expand_bmp_row(page_row(page, r), width);
        done += rows;
    }
    *image = std::move(page);
    return true;
}

}  // namespace

const QByteArrayList& page_formats() {
    static const QByteArrayList formats = {"bmp", "png", "jpeg", "jpg", "gif", "ico",
                                           "pbm", "pgm", "ppm",  "xbm", "xpm"};
    return formats;
}

bool read_page_image(QIODevice& device, const PagePicture& limits, QImage* image, QString* error) {
    if (const std::optional<bool> plain = read_plain_bmp(device, limits, image, error)) {
        return *plain;
    }
    const QByteArray format = QImageReader::imageFormat(&device);
    if (format.isEmpty() || !page_formats().contains(format)) {
        *error = tr("The file is not a picture Strumix can read.");
        return false;
    }
    if (format == "bmp") {
        if (!device.seek(0)) {
            *error = device.errorString();
            return false;
        }
        const QByteArray head = device.peek(kBmpHeadBytes);
        if (!bmp_fits_file(head, device.size(), error)) return false;
    }
    QImageReader reader(&device, format);
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    // Deep colour pictures take up to 8 bytes a pixel while they are decoded.
    const qint64 limit_mb = qMax<qint64>(1, PagePicture::kDefaultMaxPixels * 8 / kMebibyte);
    reader.setAllocationLimit(static_cast<int>(limit_mb));
    const QSize size = reader.size();
    if (size.isValid() && !limits.size_allowed(size, error)) return false;
    QImage read;
    if (!reader.read(&read) || read.isNull()) {
        *error = tr("The picture cannot be read: %1").arg(reader.errorString());
        return false;
    }
    if (!limits.size_allowed(read.size(), error)) return false;
    *image = opaque_page(read);
    if (image->isNull()) {
        *error = tr("Out of memory.");
        return false;
    }
    return true;
}

bool read_page_file(const QString& path, const PagePicture& limits, QImage* image, QString* error) {
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        *error = tr("\"%1\" is a folder, not a picture.").arg(path);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = tr("Cannot open \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return read_page_image(file, limits, image, error);
}

bool write_page_file(const QString& path, const QImage& image, QString* error) {
    if (image.isNull()) {
        *error = tr("There is no page to save.");
        return false;
    }
    const QByteArray bytes = encode_bmp(image);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = tr("Cannot save \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    // A write cut short (a full disk) is tried again for the rest, which fails with the
    // system's own reason.
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) break;
        done += written;
    }
    if (done < bytes.size()) {
        *error = tr("Cannot save \"%1\": %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = tr("Cannot save \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace strumix
