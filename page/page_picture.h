#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointF>
#include <QRect>
#include <array>
#include <memory>
#include <optional>

#include "page/page_limits.h"

class QPainter;

namespace strumix {

// A picture is a shared, immutable image. "The same picture" means the same value (pointer
// identity), never merely equal pixels: the undo copy and the changed test rely on that.
using Picture = std::shared_ptr<const QImage>;

// The page's coordinate units. The numbers are the classic scale-mode codes.
enum class ScaleMode { Twips = 1, Pixels = 3, Characters = 4 };

enum class FillStyle { Solid, Transparent };

// The tab page `Picture1`: the drawn image (what the user sees, saves and copies) over the
// persistent picture (the committed state). Drawing goes to the drawn image in the page's
// current unit, black and white without antialiasing.
class PagePicture : public QObject {
    Q_OBJECT

public:
    explicit PagePicture(QObject* parent = nullptr);
    ~PagePicture() override;

    // Keeps one painter open on the drawn image for a run of drawing calls (a whole staff
    // system, a cut and its redraw), instead of one per line or label. Nothing may resize,
    // assign, clear or take the page while a batch is open.
    class Batch {
    public:
        explicit Batch(PagePicture& page);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        PagePicture& page_;
        bool opened_ = false;
    };

    // --- layers -----------------------------------------------------------------------------
    const QImage& image() const { return drawn_; }
    QSize size() const { return drawn_.size(); }
    // The persistent picture; null until something is committed or assigned.
    const Picture& picture() const { return persistent_; }
    // A new picture holding the drawn image as it is now (shares pixels until either changes).
    Picture take_image() const;
    // persistent := picture; the drawn image becomes that picture too, at its size.
    void assign(const Picture& picture);
    // The drawn image becomes the persistent picture.
    void commit();
    // Replaces the content with an empty picture: a white page of the current size.
    void clear();
    // Sets the page size in pixels, keeping what is drawn; new area is white. Fails, leaving the
    // page as it was, when the size is over the limit or cannot be allocated.
    bool resize(QSize pixels, QString* error);
    const PageLimits& limits() const { return limits_; }
    void set_limits(const PageLimits& limits) { limits_ = limits; }

    // --- scale ------------------------------------------------------------------------------
    ScaleMode scale_mode() const { return scale_; }
    void set_scale_mode(ScaleMode mode) { scale_ = mode; }
    static double unit_pixels_x(ScaleMode mode);
    static double unit_pixels_y(ScaleMode mode);
    double to_pixels_x(double x) const { return x * unit_pixels_x(scale_); }
    double to_pixels_y(double y) const { return y * unit_pixels_y(scale_); }
    double from_pixels_x(double px) const { return px / unit_pixels_x(scale_); }
    double from_pixels_y(double px) const { return px / unit_pixels_y(scale_); }
    // The page's width and height in its current unit.
    double scale_width() const { return from_pixels_x(drawn_.width()); }
    double scale_height() const { return from_pixels_y(drawn_.height()); }

    // --- drawing state ----------------------------------------------------------------------
    double current_x() const { return from_pixels_x(current_px_.x()); }
    double current_y() const { return from_pixels_y(current_px_.y()); }
    void set_current(double x, double y);
    bool bold() const { return bold_; }
    void set_bold(bool on) { bold_ = on; }
    bool underline() const { return underline_; }
    void set_underline(bool on) { underline_ = on; }
    QColor fore_color() const { return fore_; }
    void set_fore_color(const QColor& color) { fore_ = color; }
    FillStyle fill_style() const { return fill_style_; }
    void set_fill_style(FillStyle style) { fill_style_ = style; }
    QColor fill_color() const { return fill_; }
    void set_fill_color(const QColor& color) { fill_ = color; }

    // --- drawing, in the current unit -------------------------------------------------------
    // A one-pixel line in the fore colour, both end points included.
    void line(double x1, double y1, double x2, double y2);
    // Text at the current position (its top-left corner) with a transparent background, in
    // the page font with the current bold and underline. With `line_end` the position moves
    // to the start of the next text line, otherwise just after the text.
    void print(const QString& text, bool line_end = true);
    // A box from corner to corner, both included: outline in the fore colour, inside in the
    // fill colour when the fill style is solid.
    void box(double x1, double y1, double x2, double y2);
    // An elliptic arc: horizontal semi-axis `radius`, vertical `radius * aspect`, from `start`
    // to `end` radians counter-clockwise (y up on screen).
    void arc(double cx, double cy, double radius, double start, double end, double aspect);
    // Copies `source` onto the page with the AND raster operation, its top-left corner at the
    // given pixel. Transparent source pixels count as white, so they leave the page unchanged.
    void and_copy(const QImage& source, QPoint top_left_pixels);

signals:
    // Pixels of the drawn image changed inside this rectangle.
    void changed(const QRect& pixels);
    void resized(const QSize& pixels);

private:
    struct PrintedText {
        // The text printed black on white, kInkMargin pixels in from the left, its top at
        // the text's top: printing is then copying it with AND, which leaves the page's
        // pixels under the white as they were, exactly as text with a clear background.
        QImage ink;
        int advance = 0;  // where the next text starts, in pixels
    };
    // Room left and right of a text's ink for glyphs that reach past their advance.
    static constexpr int kInkMargin = 4;
    struct PageFont {
        QFont font;
        QFontMetrics metrics;
        // In pixels, asked of the metrics once: how far below the top the text's baseline
        // stands, the height of the text's rectangle and of one text line.
        int baseline = 0;
        int box_height = 0;
        int line_height = 0;
        // Printed texts: a page prints the same few labels and fret numbers over and over,
        // and laying a text out and drawing its glyphs costs far more than copying them.
        QHash<QString, PrintedText> printed;
    };

    QPoint px(double x, double y) const;
    void touched(const QRect& rect);
    // Gives the drawn image pixels no picture shares, before anything draws on it.
    void own_pixels();
    // The page font with the current bold and underline, made once per style.
    PageFont& page_font_now();
    // `text` printed in the current page font, from the cache when it was printed before.
    const PrintedText& printed_text(const QString& text);
    // Runs `draw` with the open batch painter, or with a painter of its own; either way set
    // to the fore colour, no antialiasing, one-pixel pen.
    template <class Draw>
    void paint(Draw&& draw);

    std::unique_ptr<QPainter> batch_;
    std::array<std::optional<PageFont>, 4> fonts_;

    QImage drawn_;
    Picture persistent_;
    ScaleMode scale_ = ScaleMode::Characters;
    QPointF current_px_;
    bool bold_ = false;
    bool underline_ = false;
    QColor fore_ = Qt::black;
    FillStyle fill_style_ = FillStyle::Solid;
    QColor fill_ = Qt::white;
    PageLimits limits_;
};

}  // namespace strumix
