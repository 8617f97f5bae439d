#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRectF>
#include <QString>

namespace strumix {

// The page font's two styles of emphasis.
struct TextStyle {
    bool bold = false;
    bool underline = false;
};

// Drawing on a page's pixels, black and white without antialiasing, through one painter kept
// open for a run of drawing (a whole staff system, a cut and its redraw). Every operation is in
// pixels and returns the rectangle of pixels it may have changed; `touched()` is all of them.
// The image must not be resized or read for painting while a drawing is open on it.
class PageDrawing {
public:
    explicit PageDrawing(QImage& image);
    PageDrawing(const PageDrawing&) = delete;
    PageDrawing& operator=(const PageDrawing&) = delete;

    // A one-pixel line, both end points included.
    QRect line(QPoint from, QPoint to, const QColor& colour = Qt::black);
    // Text with its top-left corner at `top_left` and a transparent background, in the page
    // font. Its glyphs are drawn once per text and style and copied after that.
    QRect text(QPoint top_left, const QString& text, TextStyle style = {},
               const QColor& colour = Qt::black);
    // Every pixel of `rect` in `colour`.
    QRect fill(const QRect& rect, const QColor& colour);
    // An elliptic arc inside `bounds`, from `start16` to `start16 + span16` sixteenths of a
    // degree counter-clockwise (y up on screen).
    QRect arc(const QRectF& bounds, int start16, int span16, const QColor& colour = Qt::black);
    // `source` laid on the page with AND: its white (and transparent) pixels leave the page as
    // it is, its black ones ink it.
    QRect and_copy(const QImage& source, QPoint top_left);
    // `source`'s pixels exactly, in place of the page's under it.
    QRect put(const QImage& source, QPoint top_left);

    const QRect& touched() const { return touched_; }

    // How far along text moves the next text: the advance of `text` in the page font.
    static int advance(const QString& text, TextStyle style = {});
    // The ink of `text` as printed black on white, `margin` pixels in from the left of its
    // image and its top at the text's top.
    static QImage printed(const QString& text, TextStyle style, int* margin);

private:
    QRect note(const QRect& rect);

    QImage& image_;
    QPainter painter_;
    QRect touched_;
};

}  // namespace strumix
