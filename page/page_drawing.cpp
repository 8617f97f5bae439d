#include "page/page_drawing.h"

#include <QFontMetrics>
#include <QHash>
#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>
#include <optional>

#include "page/page_font.h"

namespace strumix {

namespace {

// Room left and right of a text's ink for glyphs that reach past their advance.
constexpr int kInkMargin = 4;

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

// The part of `bounds` an arc from `start16` over `span16` sixteenths of a degree covers: its
// ends and whichever of the ellipse's four extremes it passes. A shallow slur is a thin slice
// of a large ellipse, and what repaints or searches around it should not cover the rest.
QRectF arc_extent(const QRectF& bounds, int start16, int span16) {
    constexpr double kRadiansPerSixteenth = 3.14159265358979323846 / (180.0 * 16.0);
    if (std::abs(span16) >= 360 * 16) return bounds;
    const QPointF centre = bounds.center();
    const double rx = bounds.width() / 2;
    const double ry = bounds.height() / 2;
    // Angles run anticlockwise from three o'clock, and the page's y runs down.
    auto at = [&](double sixteenths) {
        const double a = sixteenths * kRadiansPerSixteenth;
        return QPointF(centre.x() + rx * std::cos(a), centre.y() - ry * std::sin(a));
    };
    const int from = std::min(start16, start16 + span16);
    const int to = std::max(start16, start16 + span16);
    QRectF extent(at(from), QSizeF(0, 0));
    auto take = [&extent](QPointF p) {
        extent.setLeft(std::min(extent.left(), p.x()));
        extent.setRight(std::max(extent.right(), p.x()));
        extent.setTop(std::min(extent.top(), p.y()));
        extent.setBottom(std::max(extent.bottom(), p.y()));
    };
    take(at(to));
    // Each quarter turn the arc passes is an extreme of the ellipse.
    const int quarter = 90 * 16;
    for (int q = (from / quarter - 1) * quarter; q <= to; q += quarter)
        if (q > from && q < to) take(at(q));
    return extent;
}

void prepare(QPainter& painter, const QColor& colour) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    QPen pen(colour);
    pen.setWidth(0);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
}

void set_colour(QPainter& painter, const QColor& colour) {
    if (painter.pen().color() == colour) return;
    QPen pen = painter.pen();
    pen.setColor(colour);
    painter.setPen(pen);
}

// Copies `image` onto the painter's device with AND: white leaves the page as it is, black
// inks it.
void draw_anded(QPainter& painter, QPoint top_left, const QImage& image) {
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(top_left, image);
    painter.setCompositionMode(mode);
}

struct PrintedText {
    // The text printed black on white, kInkMargin pixels in from the left, its top at the
    // text's top: printing is then copying it with AND, which leaves the page's pixels under
    // the white as they were, exactly as text with a clear background.
    QImage ink;
    int advance = 0;
};

// One style of the page font, asked of its metrics once, with the texts printed in it: a page
// prints the same few labels and fret numbers over and over, and laying a text out and drawing
// its glyphs costs far more than copying them.
struct FontStyle {
    QFont font;
    QFontMetrics metrics;
    int baseline = 0;
    int box_height = 0;  // the height of a text's rectangle
    QHash<QString, PrintedText> printed;
};

// The styles, made when first used; any thread may print, one at a time.
struct Styles {
    std::mutex lock;
    std::array<std::optional<FontStyle>, 4> styles;

    FontStyle& of(TextStyle style) {
        std::optional<FontStyle>& slot = styles[(style.bold ? 1 : 0) + (style.underline ? 2 : 0)];
        if (!slot) {
            const QFont font = page_font(style.bold, style.underline);
            const QFontMetrics metrics(font);
            const int baseline = text_baseline(metrics);
            slot.emplace(FontStyle{font,
                                   metrics,
                                   baseline,
                                   std::max(metrics.height(), baseline + metrics.descent()) + 1,
                                   {}});
        }
        return *slot;
    }
    const PrintedText& printed(FontStyle& style, const QString& text) {
        auto found = style.printed.constFind(text);
        if (found != style.printed.constEnd()) return *found;
        // Typed numbers are few, but titles and captions can be anything: keep the cache small.
        constexpr qsizetype kMostTexts = 256;
        if (style.printed.size() >= kMostTexts) style.printed.clear();
        PrintedText layout{QImage(), style.metrics.horizontalAdvance(text)};
        layout.ink =
            QImage(QSize(layout.advance + 2 * kInkMargin, style.box_height), QImage::Format_RGB32);
        if (!layout.ink.isNull()) {
            layout.ink.fill(Qt::white);
            QPainter painter(&layout.ink);
            prepare(painter, Qt::black);
            painter.setFont(style.font);
            painter.drawText(QPoint(kInkMargin, style.baseline), text);
        }
        return *style.printed.insert(text, layout);
    }
};

Styles& styles() {
    // Made once and kept for the program's life: fonts outlive no application this way.
    static Styles* all = new Styles;
    return *all;
}

}  // namespace

PageDrawing::PageDrawing(QImage& image) : image_(image), painter_(&image) {
    prepare(painter_, Qt::black);
}

QRect PageDrawing::note(const QRect& rect) {
    const QRect clipped = rect & image_.rect();
    touched_ |= clipped;
    return clipped;
}

QRect PageDrawing::line(QPoint from, QPoint to, const QColor& colour) {
    // Staff lines and bars are level or upright: filling their one-pixel rectangle sets the
    // same pixels as the stroked line at a small part of the cost on a wide page.
    if (from.x() == to.x() || from.y() == to.y()) {
        painter_.fillRect(spanning(from, to), colour);
    } else {
        set_colour(painter_, colour);
        painter_.drawLine(from, to);
    }
    return note(spanning(from, to).adjusted(-1, -1, 1, 1));
}

QRect PageDrawing::text(QPoint top_left, const QString& text, TextStyle style,
                        const QColor& colour) {
    Styles& all = styles();
    const std::lock_guard<std::mutex> hold(all.lock);
    FontStyle& font = all.of(style);
    int width = 0;
    if (!text.isEmpty()) {
        const PrintedText& layout = all.printed(font, text);
        width = layout.advance;
        if (colour != Qt::black || layout.ink.isNull()) {
            // Ink of another colour cannot be ANDed on: print it the long way.
            set_colour(painter_, colour);
            if (painter_.font() != font.font) painter_.setFont(font.font);
            painter_.drawText(QPoint(top_left.x(), top_left.y() + font.baseline), text);
        } else {
            draw_anded(painter_, top_left - QPoint(kInkMargin, 0), layout.ink);
        }
    }
    return note(QRect(top_left.x() - 2, top_left.y(), width + 4, font.box_height));
}

QRect PageDrawing::fill(const QRect& rect, const QColor& colour) {
    painter_.fillRect(rect, colour);
    return note(rect);
}

QRect PageDrawing::arc(const QRectF& bounds, int start16, int span16, const QColor& colour) {
    set_colour(painter_, colour);
    painter_.drawArc(bounds, start16, span16);
    return note(arc_extent(bounds, start16, span16).toAlignedRect().adjusted(-2, -2, 2, 2));
}

QRect PageDrawing::and_copy(const QImage& source, QPoint top_left) {
    QImage flat(source.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, source);
    }
    draw_anded(painter_, top_left, flat);
    return note(QRect(top_left, source.size()));
}

QRect PageDrawing::put(const QImage& source, QPoint top_left) {
    const QPainter::CompositionMode mode = painter_.compositionMode();
    painter_.setCompositionMode(QPainter::CompositionMode_Source);
    painter_.drawImage(top_left, source);
    painter_.setCompositionMode(mode);
    return note(QRect(top_left, source.size()));
}

int PageDrawing::advance(const QString& text, TextStyle style) {
    Styles& all = styles();
    const std::lock_guard<std::mutex> hold(all.lock);
    return all.of(style).metrics.horizontalAdvance(text);
}

QImage PageDrawing::printed(const QString& text, TextStyle style, int* margin) {
    Styles& all = styles();
    const std::lock_guard<std::mutex> hold(all.lock);
    *margin = kInkMargin;
    return all.printed(all.of(style), text).ink;
}

}  // namespace strumix
