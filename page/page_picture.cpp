#include "page/page_picture.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "page/page_copy.h"
#include "page/page_font.h"
#include "page/page_memory.h"
#include "page/units.h"

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

// The pixels from corner to corner, both included, whichever way round the corners are
// given. (QRect::normalized() of a reversed rectangle drops the two outer edges.)
QRect spanning(QPoint a, QPoint b) {
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

// Copies `image` onto the painter's device with AND: white leaves the page as it is, black
// inks it.
void draw_anded(QPainter& painter, QPoint top_left, const QImage& image) {
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(top_left, image);
    painter.setCompositionMode(mode);
}

QImage white_image(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    if (!image.isNull()) image.fill(Qt::white);
    return image;
}

}  // namespace

PagePicture::PagePicture(QObject* parent) : QObject(parent) {}

PagePicture::~PagePicture() = default;

PagePicture::Batch::Batch(PagePicture& page) : page_(page) {
    if (page_.batch_ || page_.drawn_.isNull()) return;
    page_.own_pixels();
    page_.batch_ = std::make_unique<PagePainter>(&page_.drawn_, page_.fore_);
    opened_ = true;
}

PagePicture::Batch::~Batch() {
    if (opened_) page_.batch_.reset();
}

template <class Draw>
void PagePicture::paint(Draw&& draw) {
    if (batch_) {
        if (batch_->pen().color() != fore_) {
            QPen pen = batch_->pen();
            pen.setColor(fore_);
            batch_->setPen(pen);
        }
        draw(*batch_);
        return;
    }
    own_pixels();
    PagePainter painter(&drawn_, fore_);
    draw(painter);
}

void PagePicture::own_pixels() {
    if (drawn_.isDetached() || drawn_.isNull()) return;
    QImage own = copy_pixels(drawn_);
    // Out of memory: the painter's own copy on write is the last resort.
    if (!own.isNull()) drawn_ = std::move(own);
}

PagePicture::PageFont& PagePicture::page_font_now() {
    std::optional<PageFont>& slot = fonts_[(bold_ ? 1 : 0) + (underline_ ? 2 : 0)];
    if (!slot) {
        const QFont font = page_font(bold_, underline_);
        const QFontMetrics metrics(font);
        const int baseline = text_baseline(metrics);
        slot.emplace(PageFont{font,
                              metrics,
                              baseline,
                              std::max(metrics.height(), baseline + metrics.descent()) + 1,
                              metrics.height(),
                              {}});
    }
    return *slot;
}

const PagePicture::PrintedText& PagePicture::printed_text(const QString& text) {
    PageFont& style = page_font_now();
    auto found = style.printed.constFind(text);
    if (found != style.printed.constEnd()) return *found;
    // Typed numbers are few, but titles and captions can be anything: keep the cache small.
    constexpr qsizetype kMostTexts = 256;
    if (style.printed.size() >= kMostTexts) style.printed.clear();
    PrintedText layout{QImage(), style.metrics.horizontalAdvance(text)};
    layout.ink = white_image(QSize(layout.advance + 2 * kInkMargin, style.box_height));
    if (!layout.ink.isNull()) {
        PagePainter painter(&layout.ink, Qt::black);
        painter.setFont(style.font);
        painter.drawText(QPoint(kInkMargin, style.baseline), text);
    }
    return *style.printed.insert(text, layout);
}

Picture PagePicture::take_image() const {
    // An open painter keeps writing to the pixels it began on, which a picture would share.
    Q_ASSERT(!batch_);
    return std::make_shared<const QImage>(drawn_);
}

void PagePicture::assign(const Picture& picture) {
    Q_ASSERT(!batch_);
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
    Q_ASSERT(!batch_);
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
    Q_ASSERT(!batch_);
    if (pixels == drawn_.size()) return true;
    if (!limits_.allows(pixels, error)) return false;
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
    ready_page_buffer(drawn_.sizeInBytes());
    emit resized(drawn_.size());
    touched(drawn_.rect());
    return true;
}

double PagePicture::unit_pixels_x(ScaleMode mode) {
    switch (mode) {
        case ScaleMode::Twips:
            return 1.0 / kTwipsPerPixel;
        case ScaleMode::Pixels:
            return 1.0;
        case ScaleMode::Characters:
            return kColumnPixels;
    }
    return 1.0;
}

double PagePicture::unit_pixels_y(ScaleMode mode) {
    switch (mode) {
        case ScaleMode::Twips:
            return 1.0 / kTwipsPerPixel;
        case ScaleMode::Pixels:
            return 1.0;
        case ScaleMode::Characters:
            return kRowPixels;
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
    paint([&](QPainter& painter) {
        // Staff lines and bars are level or upright: filling their one-pixel rectangle sets
        // the same pixels as the stroked line at a small part of the cost on a wide page.
        if (a.x() == b.x() || a.y() == b.y()) {
            painter.fillRect(spanning(a, b), fore_);
        } else {
            painter.drawLine(a, b);
        }
    });
    current_px_ = QPointF(to_pixels_x(x2), to_pixels_y(y2));
    touched(spanning(a, b).adjusted(-1, -1, 1, 1));
}

void PagePicture::print(const QString& text, bool line_end) {
    const PageFont& style = page_font_now();
    const QPoint top_left(static_cast<int>(std::lround(current_px_.x())),
                          static_cast<int>(std::lround(current_px_.y())));
    int width = 0;
    if (!text.isEmpty()) {
        const PrintedText& layout = printed_text(text);
        width = layout.advance;
        const QPoint baseline(top_left.x(), top_left.y() + style.baseline);
        paint([&](QPainter& painter) {
            if (fore_ != Qt::black || layout.ink.isNull()) {
                // Ink of another colour cannot be ANDed on: print it the long way.
                if (painter.font() != style.font) painter.setFont(style.font);
                painter.drawText(baseline, text);
                return;
            }
            draw_anded(painter, top_left - QPoint(kInkMargin, 0), layout.ink);
        });
    }
    touched(QRect(top_left.x() - 2, top_left.y(), width + 4, style.box_height));
    if (line_end) {
        current_px_ = QPointF(0, current_px_.y() + style.line_height);
    } else {
        current_px_.setX(current_px_.x() + width);
    }
}

void PagePicture::box(double x1, double y1, double x2, double y2) {
    const QRect rect = spanning(px(x1, y1), px(x2, y2));
    paint([&](QPainter& painter) {
        if (fill_style_ == FillStyle::Solid) painter.fillRect(rect, fill_);
        if (rect.width() == 1 && rect.height() == 1) {
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect.adjusted(0, 0, -1, -1));
            return;
        }
        // The outline as four one-pixel edges: the same pixels as the stroked rectangle, and
        // an erase box can be as large as the page.
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), fore_);
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), fore_);
        painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), fore_);
        painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), fore_);
    });
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
    paint([&](QPainter& painter) { painter.drawArc(bounds, start16, span16); });
    touched(bounds.toAlignedRect().adjusted(-2, -2, 2, 2));
}

void PagePicture::and_copy(const QImage& source, QPoint top_left_pixels) {
    QImage flat(source.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, source);
    }
    paint([&](QPainter& painter) { draw_anded(painter, top_left_pixels, flat); });
    touched(QRect(top_left_pixels, source.size()));
}

}  // namespace strumix
