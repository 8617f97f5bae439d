#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <cmath>

namespace strumix {

// --- units ------------------------------------------------------------------------------------
// Window and control geometry is given in twips (1/1440 inch), 15 to a pixel at 96 dpi; the page
// is addressed in character cells of 120 × 240 twips.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kColumnPixels = 8;
inline constexpr int kRowPixels = 16;
inline constexpr int kColumnTwips = kColumnPixels * kTwipsPerPixel;
inline constexpr int kRowTwips = kRowPixels * kTwipsPerPixel;

// To the nearest pixel, a half away from zero.
inline int twips_to_pixels(int twips) {
    return static_cast<int>(std::lround(twips / double(kTwipsPerPixel)));
}
inline int pixels_to_twips(int pixels) { return pixels * kTwipsPerPixel; }
inline QRect twips_rect(int left, int top, int width, int height) {
    return QRect(twips_to_pixels(left), twips_to_pixels(top), twips_to_pixels(width),
                 twips_to_pixels(height));
}
inline QRect twips_rect(const QRect& twips) {
    return twips_rect(twips.left(), twips.top(), twips.width(), twips.height());
}

// The units the tools work the page in; the numbers are the classic scale-mode codes. The page
// itself is drawn in pixels: a tool turns its positions into pixels here, and nowhere else.
enum class PageUnit { Twips = 1, Pixels = 3, Characters = 4 };

// How many pixels one unit is, across and down.
inline double unit_pixels_x(PageUnit unit) {
    return unit == PageUnit::Characters ? kColumnPixels
           : unit == PageUnit::Twips    ? 1.0 / kTwipsPerPixel
                                        : 1.0;
}
inline double unit_pixels_y(PageUnit unit) {
    return unit == PageUnit::Characters ? kRowPixels
           : unit == PageUnit::Twips    ? 1.0 / kTwipsPerPixel
                                        : 1.0;
}
// A position in `unit` in pixels, unrounded; and a pixel position in `unit`.
inline QPointF to_pixels(QPointF at, PageUnit unit) {
    return QPointF(at.x() * unit_pixels_x(unit), at.y() * unit_pixels_y(unit));
}
inline QPointF from_pixels(QPointF pixels, PageUnit unit) {
    return QPointF(pixels.x() / unit_pixels_x(unit), pixels.y() / unit_pixels_y(unit));
}
// The pixel a position in `unit` lands on: to the nearest, a half away from zero.
inline QPoint pixel_at(double x, double y, PageUnit unit) {
    return QPoint(static_cast<int>(std::lround(x * unit_pixels_x(unit))),
                  static_cast<int>(std::lround(y * unit_pixels_y(unit))));
}

// --- the page's layout, in character cells ----------------------------------------------------
// Every place on a page of a given layout follows from these numbers (LayoutModel gives the
// positions they lead to); the layout finder reads them back from the same numbers.
namespace page_cells {
// The first measure's left bar line, in columns; its first note column; columns between note
// columns; and the columns a measure has beyond its note columns' steps (the bar gap).
inline constexpr double kFirstBar = 6.5;
inline constexpr int kFirstNote = 8;
inline constexpr int kNoteStep = 3;
inline constexpr int kBarGap = 2;
// The row of the first staff's first string, and how many rows a staff's first string stands
// below the previous staff's last (its caption and an empty row between).
inline constexpr int kFirstStaffRow = 3;
inline constexpr int kStaffStep = 3;
// Rows above and below the staffs; columns beyond the measures' reserved width at the right.
inline constexpr int kMarginRows = 2;
inline constexpr int kRightMargin = 3;
// The column that captions and string names start at; the cursor box's home.
inline constexpr int kLabelColumn = 1;
inline constexpr int kHomeColumn = 8;
inline constexpr int kHomeRow = 3;
// The cursor box: two columns wide (a note cell) and 0.9375 of a row high.
inline constexpr double kBoxWidth = 2.0;
inline constexpr double kBoxHeight = 0.9375;
}  // namespace page_cells

// --- the same, in pixels ----------------------------------------------------------------------
namespace page_pixels {
// The first bar line's x, where every string line starts.
inline constexpr int kFirstBar = int(page_cells::kFirstBar * kColumnPixels);
// A page's width is the fixed part plus this much for every note column (and one more for each
// measure) across: 76 + 24 · (n + 1) · a.
inline constexpr int kFixedWidth =
    int((page_cells::kFirstBar + page_cells::kRightMargin) * kColumnPixels);
inline constexpr int kWidthPerNote = page_cells::kNoteStep * kColumnPixels;
// A string's line runs through the middle of its row.
inline constexpr int kLineInRow = kRowPixels / 2;
// How far short of the reserved width each measure's drawn width falls: the last bar stands
// this much left of 52 + 24 · (n + 1) · a for each measure across.
inline constexpr int kShortfallPerMeasure =
    (page_cells::kNoteStep - page_cells::kBarGap) * kColumnPixels;
}  // namespace page_pixels

}  // namespace strumix
