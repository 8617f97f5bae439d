#include "page/page_picture.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "page/page_font.h"

namespace strumix {

namespace {

// A painter for black-and-white page drawing: no antialiasing, one-pixel cosmetic pen.
class PagePainter : public QPainter {
public:
    PagePainter(QImage* image, const QColor& color) : QPainter(image) {
        setRenderHint(QPainter::Antialiasing, false);
        setRenderHint(QPainter::TextAntialiasing, false);
        QPen pen(color);
        pen.setWidth(0);
        pen.setCapStyle(Qt::SquareCap);
        setPen(pen);
    }
};

// The page's text stands on a baseline 11 pixels below its top, as the classic 8.25-point
// sans serif's does, so a figure printed at a string's row is crossed by the string's line
// low in its body instead of sitting on top of it.
int text_baseline(const QFontMetrics& metrics) { return std::max(metrics.ascent(), 11); }

QImage white_image(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    if (!image.isNull()) image.fill(Qt::white);
    return image;
}

}  // namespace

PagePicture::PagePicture(QObject* parent) : QObject(parent) {}

Picture PagePicture::take_image() const { return std::make_shared<const QImage>(drawn_); }

void PagePicture::assign(const Picture& picture) {
    const QSize old_size = drawn_.size();
    persistent_ = picture;
    drawn_ = picture ? *picture : white_image(drawn_.size());
    if (drawn_.format() != QImage::Format_RGB32) {
        drawn_ = drawn_.convertToFormat(QImage::Format_RGB32);
    }
    if (drawn_.size() != old_size) emit resized(drawn_.size());
    touched(drawn_.rect());
}

void PagePicture::commit() { persistent_ = take_image(); }

void PagePicture::clear() {
    persistent_.reset();
    drawn_ = white_image(drawn_.size());
    touched(drawn_.rect());
}

void PagePicture::set_limits(qint64 max_pixels, int max_side) {
    max_pixels_ = max_pixels;
    max_side_ = max_side;
}

bool PagePicture::size_allowed(QSize pixels, QString* error) const {
    if (pixels.width() <= 0 || pixels.height() <= 0) {
        if (error)
            *error = tr("A page of %1 × %2 pixels is not a valid picture size.")
                         .arg(pixels.width())
                         .arg(pixels.height());
        return false;
    }
    if (pixels.width() > max_side_ || pixels.height() > max_side_ ||
        qint64(pixels.width()) * pixels.height() > max_pixels_) {
        if (error)
            *error = tr("Out of memory: a page of %1 × %2 pixels is larger than the largest "
                        "page Strumix creates (%3 pixels, at most %4 pixels a side).")
                         .arg(pixels.width())
                         .arg(pixels.height())
                         .arg(max_pixels_)
                         .arg(max_side_);
        return false;
    }
    return true;
}

bool PagePicture::resize(QSize pixels, QString* error) {
    if (pixels == drawn_.size()) return true;
    if (!size_allowed(pixels, error)) return false;
    QImage grown = white_image(pixels);
    if (grown.isNull()) {
        if (error) *error = tr("Out of memory.");
        return false;
    }
    if (!drawn_.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, drawn_);
    }
    drawn_ = std::move(grown);
    emit resized(drawn_.size());
    touched(drawn_.rect());
    return true;
}

double PagePicture::unit_pixels_x(ScaleMode mode) {
    switch (mode) {
        case ScaleMode::Twips:
            return 1.0 / 15.0;
        case ScaleMode::Pixels:
            return 1.0;
        case ScaleMode::Characters:
            return 8.0;
    }
    return 1.0;
}

double PagePicture::unit_pixels_y(ScaleMode mode) {
    switch (mode) {
        case ScaleMode::Twips:
            return 1.0 / 15.0;
        case ScaleMode::Pixels:
            return 1.0;
        case ScaleMode::Characters:
            return 16.0;
    }
    return 1.0;
}

void PagePicture::set_current(double x, double y) {
    current_px_ = QPointF(to_pixels_x(x), to_pixels_y(y));
}

QPoint PagePicture::px(double x, double y) const {
    return QPoint(static_cast<int>(std::lround(to_pixels_x(x))),
                  static_cast<int>(std::lround(to_pixels_y(y))));
}

void PagePicture::touched(const QRect& rect) {
    const QRect clipped = rect.intersected(drawn_.rect());
    if (!clipped.isEmpty()) emit changed(clipped);
}

void PagePicture::line(double x1, double y1, double x2, double y2) {
    const QPoint a = px(x1, y1);
    const QPoint b = px(x2, y2);
    {
        PagePainter painter(&drawn_, fore_);
        painter.drawLine(a, b);
    }
    current_px_ = QPointF(to_pixels_x(x2), to_pixels_y(y2));
    touched(QRect(a, b).normalized().adjusted(-1, -1, 1, 1));
}

void PagePicture::print(const QString& text, bool line_end) {
    const QFont font = page_font(bold_, underline_);
    const QFontMetrics metrics(font);
    const QPoint top_left(static_cast<int>(std::lround(current_px_.x())),
                          static_cast<int>(std::lround(current_px_.y())));
    const int width = metrics.horizontalAdvance(text);
    if (!text.isEmpty()) {
        PagePainter painter(&drawn_, fore_);
        painter.setFont(font);
        painter.drawText(QPoint(top_left.x(), top_left.y() + text_baseline(metrics)), text);
    }
    touched(QRect(top_left.x() - 2, top_left.y(), width + 4,
                  std::max(metrics.height(), text_baseline(metrics) + metrics.descent()) + 1));
    if (line_end) {
        current_px_ = QPointF(0, current_px_.y() + metrics.height());
    } else {
        current_px_.setX(current_px_.x() + width);
    }
}

void PagePicture::box(double x1, double y1, double x2, double y2) {
    const QRect rect = QRect(px(x1, y1), px(x2, y2)).normalized();
    {
        PagePainter painter(&drawn_, fore_);
        if (fill_style_ == FillStyle::Solid) painter.fillRect(rect, fill_);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    current_px_ = QPointF(to_pixels_x(x2), to_pixels_y(y2));
    touched(rect);
}

void PagePicture::arc(double cx, double cy, double radius, double start, double end,
                      double aspect) {
    const double rx = to_pixels_x(radius);
    const double ry = rx * aspect;
    const QPointF centre(to_pixels_x(cx), to_pixels_y(cy));
    const QRectF bounds(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    constexpr double kSixteenthsPerRadian = 16.0 * 180.0 / 3.14159265358979323846;
    const int start16 = static_cast<int>(std::lround(start * kSixteenthsPerRadian));
    const int span16 = static_cast<int>(std::lround((end - start) * kSixteenthsPerRadian));
    {
        PagePainter painter(&drawn_, fore_);
        painter.drawArc(bounds, start16, span16);
    }
    touched(bounds.toAlignedRect().adjusted(-2, -2, 2, 2));
}

void PagePicture::and_copy(const QImage& source, QPoint top_left_pixels) {
    QImage flat(source.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, source);
    }
    {
        QPainter painter(&drawn_);
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.drawImage(top_left_pixels, flat);
    }
    touched(QRect(top_left_pixels, source.size()));
}

}  // namespace strumix
