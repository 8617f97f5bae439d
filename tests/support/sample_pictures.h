#pragma once

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>

#include "page/layout_model.h"

// Small pictures of every readable kind, used by the tests and as the fuzzer's seeds.
namespace samples {

// A small page-like picture: white with a black staff line and a mark.
inline QImage small_picture(int width = 40, int height = 24) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawLine(2, height / 2, width - 3, height / 2);
    painter.drawRect(4, 3, 5, 6);
    return image;
}

inline QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A bitmap whose header claims `width` × `height` pixels of 24 bits but carries no pixel data.
inline QByteArray bmp_header_only(qint32 width, qint32 height) {
    QByteArray bytes = encoded(small_picture(4, 4), "BMP");
    auto put32 = [&bytes](int at, qint32 value) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = char((quint32(value) >> (8 * i)) & 0xFF);
    };
    put32(18, width);
    put32(22, height);
    return bytes;
}

// An 8-bit run-length bitmap `width` × `height`, white with a black stripe every fourth row:
// each row one run, then its end-of-line mark, and the end-of-picture mark at last.
inline QByteArray rle8_bmp(int width, int height) {
    QByteArray runs;
    for (int y = 0; y < height; ++y) {
        for (int left = width; left > 0; left -= 255) {
            runs += char(std::min(left, 255));
            runs += char(y % 4 == 0 ? 1 : 0);
        }
        runs += QByteArray("\0\0", 2);
    }
    runs += QByteArray("\0\1", 2);
    QByteArray bytes(14 + 40 + 8, '\0');
    auto put = [&bytes](int at, quint32 value, int size) {
        for (int i = 0; i < size; ++i) bytes[at + i] = char((value >> (8 * i)) & 0xFF);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, quint32(bytes.size() + runs.size()), 4);
    put(10, quint32(bytes.size()), 4);
    put(14, 40, 4);
    put(18, quint32(width), 4);
    put(22, quint32(height), 4);
    put(26, 1, 2);
    put(28, 8, 2);
    put(30, 1, 4);  // run-length, 8 bits a pixel
    put(34, quint32(runs.size()), 4);
    put(46, 2, 4);  // two colours: white, black
    put(54, 0xFFFFFF, 4);
    put(58, 0x000000, 4);
    return bytes + runs;
}

inline void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

inline QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One file of each kind the program reads, plus damaged ones, into `folder`.
inline void write_seeds(const QString& folder) {
    QDir().mkpath(folder);
    const QImage picture = small_picture();
    for (const char* format : {"bmp", "png", "jpg", "ppm", "pgm", "pbm", "xbm", "xpm", "ico"}) {
        write(QDir(folder).filePath(QStringLiteral("seed.") + QLatin1String(format)),
              encoded(picture, format));
    }
    write(QDir(folder).filePath(QStringLiteral("mono.bmp")),
          encoded(picture.convertToFormat(QImage::Format_Mono), "BMP"));
    write(QDir(folder).filePath(QStringLiteral("indexed.bmp")),
          encoded(picture.convertToFormat(QImage::Format_Indexed8), "BMP"));
    QImage clear(8, 8, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    write(QDir(folder).filePath(QStringLiteral("clear.png")), encoded(clear, "PNG"));
    const QByteArray bmp = encoded(picture, "BMP");
    write(QDir(folder).filePath(QStringLiteral("cut.bmp")), bmp.left(bmp.size() / 2));
    write(QDir(folder).filePath(QStringLiteral("claims.bmp")), bmp_header_only(4000, 4000));
    write(QDir(folder).filePath(QStringLiteral("runs.bmp")), rle8_bmp(40, 24));
    // The smallest GIF: one white pixel.
    write(QDir(folder).filePath(QStringLiteral("seed.gif")),
          QByteArray::fromHex("47494638396101000100800000ffffff00000021f90401000000002c00000000"
                              "010001000002024401003b"));
}

// The pixels of one character cell two columns wide (a fret number's place) at a note cell.
inline QImage note_cell(const QImage& page, int column, int row) {
    return page.copy(column * strumix::kColumnPixels, row * strumix::kRowPixels,
                     2 * strumix::kColumnPixels, strumix::kRowPixels);
}

inline bool has_ink(const QImage& cell) {
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if (qGray(cell.pixel(x, y)) < 128) return true;
    return false;
}

}  // namespace samples
