// Any bytes, read as recovery data and as a page file made the page: nothing may crash, read
// out of bounds or allocate beyond the largest page.
#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "files/page_file.h"
#include "files/recovery_format.h"
#include "page/page_picture.h"

namespace {

// Qt's decoders are not instrumented, so the fuzzer cannot see how far into them an input gets.
// A separate branch for each kind of picture, outcome and size class lets it keep one input
// of each, instead of dropping every seed that our own code handles alike.
int outcome_class(const QByteArray& format, bool read, QSize size) {
    int kind = 0;
    const char* const kinds[] = {"bmp", "png", "jpeg", "gif", "ico", "pbm",
                                 "pgm", "ppm", "xbm",  "xpm", "cur"};
    for (const char* name : kinds) {
        ++kind;
        if (format == name) break;
    }
    int result = 0;
    switch (kind) {
        case 1:
            result = 100;
            break;
        case 2:
            result = 200;
            break;
        case 3:
            result = 300;
            break;
        case 4:
            result = 400;
            break;
        case 5:
            result = 500;
            break;
        case 6:
            result = 600;
            break;
        case 7:
            result = 700;
            break;
        case 8:
            result = 800;
            break;
        case 9:
            result = 900;
            break;
        case 10:
            result = 1000;
            break;
        case 11:
            result = 1100;
            break;
        default:
            result = 0;
            break;
    }
    if (!read) return result;
    switch (std::bit_width(static_cast<unsigned>(qMax(1, size.width() * size.height())))) {
        case 1:
            return result + 1;
        case 2:
            return result + 2;
        case 3:
        case 4:
            return result + 3;
        case 5:
        case 6:
        case 7:
        case 8:
            return result + 4;
        case 9:
        case 10:
        case 11:
        case 12:
            return result + 5;
        default:
            return result + 6;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // The same bytes as the recovery data kept beside an unsaved page.
    if (const auto info = strumix::parse_recovery_info(bytes)) {
        volatile int staffs = info->model.num_lines;
        (void)staffs;
    }
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    strumix::PagePicture page;
    QImage image;
    QString error;
    const QByteArray format = QImageReader::imageFormat(&file);
    file.seek(0);
    const bool read = strumix::read_page_image(file, page.limits(), &image, &error);
    volatile int seen = outcome_class(format, read, image.size());
    (void)seen;
    if (read) {
        page.assign(std::make_shared<const QImage>(std::move(image)));
        // Every pixel of the page is looked at, so rows a decoder left unwritten show up.
        quint64 ink = 0;
        const QImage& drawn = page.image();
        for (int y = 0; y < drawn.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
            for (int x = 0; x < drawn.width(); ++x) ink += qGray(row[x]);
        }
        if (ink == quint64(-1)) return 1;
    }
    return 0;
}
