// Any bytes, read as a page file and made the page: nothing may crash, read out of bounds or
// allocate beyond the largest page.
#include <QBuffer>
#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "docs/page_file.h"
#include "page/page_picture.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    strumix::PagePicture page;
    QImage image;
    QString error;
    if (strumix::read_page_image(file, page, &image, &error)) {
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
