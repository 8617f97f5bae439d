#include "files/page_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include "files/bmp_rows.h"
#include "files/picture_checks.h"
#include "files/regular_file.h"
#include "page/page_limits.h"

namespace strumix {

namespace {

constexpr qint64 kMebibyte = 1024 * 1024;
// BITMAPFILEHEADER (14 bytes) and the largest info header Qt reads (BITMAPV5HEADER, 124).
constexpr int kBmpHeadBytes = 14 + 124;

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

// A share of the file this large is worth a thread of its own: below it starting the thread
// costs more than it saves.
constexpr qint64 kBandBytes = 2 * kMebibyte;
// Past this size the page is written straight to memory (see expand_bmp_rows).
constexpr qint64 kStreamedPageBytes = 8 * kMebibyte;

// Reads the file's rows [first, first + count) (counted from its first, the bottom row) into
// `into`, one after another.
using RowReader = std::function<bool(uchar* into, int first, int count)>;

// The rows from the open file at any place, whatever its position, from any thread.
RowReader rows_at(int fd, qint64 offset, qint64 row_bytes) {
    return [=](uchar* into, int first, int count) {
        qint64 at = offset + first * row_bytes;
        for (qint64 left = count * row_bytes; left > 0;) {
            const ssize_t got = ::pread(fd, into, size_t(left), off_t(at));
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) return false;
            into += got;
            at += got;
            left -= got;
        }
        return true;
    };
}

// The rows from any device at its position, so only in order and from one thread.
RowReader rows_from(QIODevice& device, qint64 row_bytes) {
    return [&device, row_bytes](uchar* into, int, int count) {
        const qint64 bytes = count * row_bytes;
        return device.read(reinterpret_cast<char*>(into), bytes) == bytes;
    };
}

// Where the rows go: the page's own pixels, and for each band of rows a chunk of memory that
// the file's bytes pass through, all taken before any thread starts.
struct RowTargets {
    uchar* top;
    qsizetype bytes_per_line;
    int width;
    int height;
    bool stream;
    uchar* chunks;
    int chunk_rows;
    qint64 row_bytes;
    // The page row that the file's row `r` becomes.
    uchar* row(int r) const { return top + qsizetype(height - 1 - r) * bytes_per_line; }
    uchar* chunk(int band) const { return chunks + band * chunk_rows * row_bytes; }
};

// The file's rows [first, last) into the page, a chunk of rows at a time through the band's
// chunk.
bool read_band(const RowReader& read, const RowTargets& to, int band, int first, int last) {
    uchar* chunk = to.chunk(band);
    for (int r = first; r < last; r += to.chunk_rows) {
        const int rows = std::min(to.chunk_rows, last - r);
        if (!read(chunk, r, rows)) return false;
        expand_bmp_rows(chunk, to.row_bytes, to.row(r), -to.bytes_per_line, to.width, rows,
                        to.stream);
    }
    return true;
}

// How many bands of rows the open file is read in, side by side, one thread each: the
// system's copy out of its file cache and the turning into pixels then run on every core, and
// opening the largest page takes about as long as reading its bytes.
int band_count(qint64 pixel_bytes) {
    static const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    return int(std::clamp<qint64>(pixel_bytes / kBandBytes, 1, std::min(cores, 4)));
}

bool read_bands(const RowReader& read, const RowTargets& to, int bands) {
    auto band_start = [&](int band) { return int(qint64(to.height) * band / bands); };
    auto read_one = [&](int band) {
        return read_band(read, to, band, band_start(band), band_start(band + 1));
    };
    std::vector<std::thread> helpers;
    helpers.reserve(size_t(bands));
    std::vector<char> helped(size_t(bands), 0);
    for (int band = 1; band < bands; ++band) {
        try {
            helpers.emplace_back([&, band] { helped[size_t(band)] = read_one(band); });
        } catch (const std::system_error&) {
            // No thread to spare: this one reads the band itself.
            helped[size_t(band)] = read_one(band);
        }
    }
    bool done = read_one(0);
    for (std::thread& helper : helpers) helper.join();
    for (int band = 1; band < bands; ++band) done = done && helped[size_t(band)];
    return done;
}

// The open file's descriptor, for reading at any place without moving its position; none for
// any other device.
int file_handle(QIODevice& device) {
    auto* file = qobject_cast<QFile*>(&device);
    return file ? file->handle() : -1;
}

// The device's first bytes, its position left where it was.
QByteArray file_head(QIODevice& device, int bytes) {
    const int fd = file_handle(device);
    if (fd < 0) return device.peek(bytes);
    QByteArray head(bytes, Qt::Uninitialized);
    ssize_t got = 0;
    do {
        got = ::pread(fd, head.data(), size_t(bytes), 0);
    } while (got < 0 && errno == EINTR);
    head.resize(std::max<qsizetype>(got, 0));
    return head;
}

// The plain 24-bit bitmap that Strumix itself writes, decoded directly: nothing to guess and
// no plugin to ask, so opening a saved page costs little more than reading its bytes. Returns
// nothing when the file is any other kind of picture, for Qt's readers to decode.
std::optional<bool> read_plain_bmp(QIODevice& device, const PageLimits& limits, QImage* image,
                                   QString* error) {
    const QByteArray head = file_head(device, kPlainBmpHeader);
    if (head.size() < kPlainBmpHeader || head[0] != 'B' || head[1] != 'M' || le32(head, 14) != 40 ||
        le16(head, 26) != 1 || le16(head, 28) != 24 || le32(head, 30) != 0) {
        return std::nullopt;
    }
    const qint32 width = le32s(head, 18);
    const qint32 height = le32s(head, 22);
    const quint32 offset = le32(head, 10);
    if (width <= 0 || height <= 0 || offset < quint32(kPlainBmpHeader)) return std::nullopt;
    const qint64 row_bytes = plain_row_bytes(width);
    // Asked as a division: the header's width and height multiplied overflow 64 bits.
    const qint64 after_offset = device.size() - qint64(offset);
    if (after_offset < 0 || row_bytes > after_offset / height) {
        *error = truncated_bmp();
        return false;
    }
    if (!limits.allows(QSize(width, height), error)) return false;
    const int fd = file_handle(device);
    if (fd < 0 && !device.seek(offset)) {
        *error = device.errorString();
        return false;
    }
    QImage page(width, height, QImage::Format_RGB32);
    if (page.isNull()) {
        *error = QCoreApplication::translate("PageFile", "Out of memory.");
        return false;
    }
    // A device other than the file is read in order, in one band.
    const int bands = fd >= 0 ? band_count(row_bytes * height) : 1;
    const int rows_per_chunk = chunk_rows(row_bytes, height);
    const std::unique_ptr<uchar[]> chunks(new (std::nothrow)
                                              uchar[size_t(bands * rows_per_chunk * row_bytes)]);
    if (!chunks) {
        *error = QCoreApplication::translate("PageFile", "Out of memory.");
        return false;
    }
    const RowTargets to{page.bits(),
                        page.bytesPerLine(),
                        width,
                        height,
                        page.sizeInBytes() >= kStreamedPageBytes,
                        chunks.get(),
                        rows_per_chunk,
                        row_bytes};
    const bool read = fd >= 0 ? read_bands(rows_at(fd, offset, row_bytes), to, bands)
                              : read_band(rows_from(device, row_bytes), to, 0, 0, height);
    if (!read) {
        *error = truncated_bmp();
        return false;
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

bool read_page_image(QIODevice& device, const PageLimits& limits, QImage* image, QString* error) {
    if (const std::optional<bool> plain = read_plain_bmp(device, limits, image, error)) {
        return *plain;
    }
    const QByteArray format = QImageReader::imageFormat(&device);
    if (format.isEmpty() || !page_formats().contains(format)) {
        *error =
            QCoreApplication::translate("PageFile", "The file is not a picture Strumix can read.");
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
    if (!picture_complete(format, device, error)) return false;
    QImageReader reader(&device, format);
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    // Deep colour pictures take up to 8 bytes a pixel while they are decoded.
    const qint64 limit_mb = qMax<qint64>(1, limits.max_pixels * 8 / kMebibyte);
    reader.setAllocationLimit(static_cast<int>(limit_mb));
    const QSize size = reader.size();
    if (size.isValid() && !limits.allows(size, error)) return false;
    QImage read;
    if (!reader.read(&read) || read.isNull()) {
        *error = QCoreApplication::translate("PageFile", "The picture cannot be read: %1")
                     .arg(reader.errorString());
        return false;
    }
    if (!limits.allows(read.size(), error)) return false;
    *image = opaque_page(read);
    if (image->isNull()) {
        *error = QCoreApplication::translate("PageFile", "Out of memory.");
        return false;
    }
    return true;
}

bool read_page_file(const QString& path, const PageLimits& limits, QImage* image, QString* error) {
    QFile file;
    if (!open_regular_file(path, file, QCoreApplication::translate("PageFile", "a picture"), error))
        return false;
    return read_page_image(file, limits, image, error);
}

}  // namespace strumix
