#include "page/page_picture.h"

#include <QCoreApplication>
#include <QPainter>

#include "page/page_copy.h"
#include "page/page_memory.h"

namespace strumix {

namespace {

QImage white_image(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    if (!image.isNull()) image.fill(Qt::white);
    return image;
}

}  // namespace

PagePicture::PagePicture(QObject* parent) : QObject(parent) {}

PagePicture::~PagePicture() = default;

void PagePicture::own_pixels() {
    if (drawn_.isDetached() || drawn_.isNull()) return;
    QImage own = copy_pixels(drawn_);
    // Out of memory: the painter's own copy on write is the last resort.
    if (!own.isNull()) drawn_ = std::move(own);
}

Picture PagePicture::take_image() const { return std::make_shared<const QImage>(drawn_); }

void PagePicture::assign(const Picture& picture) {
    const QSize old_size = drawn_.size();
    persistent_ = picture;
    drawn_ = picture ? *picture : white_image(drawn_.size());
    if (drawn_.format() != QImage::Format_RGB32) {
        drawn_ = drawn_.convertToFormat(QImage::Format_RGB32);
    }
    if (drawn_.size() != old_size) emit resized(drawn_.size());
    ready_page_buffer(drawn_.sizeInBytes());
    touched(drawn_.rect());
}

void PagePicture::commit() { persistent_ = take_image(); }

void PagePicture::clear() {
    persistent_.reset();
    // Whiten the pixels in place when no picture shares them (no new page-sized buffer);
    // otherwise the shared pixels stay with their picture and the page gets fresh ones.
    if (drawn_.isDetached()) {
        drawn_.fill(Qt::white);
    } else {
        drawn_ = white_image(drawn_.size());
    }
    touched(drawn_.rect());
}

bool PagePicture::resize(QSize pixels, QString* error) {
    if (pixels == drawn_.size()) return true;
    if (!limits_.allows(pixels, error)) return false;
    QImage grown = white_image(pixels);
    if (grown.isNull()) {
        if (error) *error = QCoreApplication::translate("PagePicture", "Out of memory.");
        return false;
    }
    if (!drawn_.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, drawn_);
    }
    drawn_ = std::move(grown);
    ready_page_buffer(drawn_.sizeInBytes());
    emit resized(drawn_.size());
    touched(drawn_.rect());
    return true;
}

void PagePicture::touched(const QRect& rect) {
    const QRect clipped = rect.intersected(drawn_.rect());
    if (!clipped.isEmpty()) emit changed(clipped);
}

}  // namespace strumix
