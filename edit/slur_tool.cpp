#include "edit/slur_tool.h"

#include <cmath>

#include "document/busy_pointer.h"
#include "document/document.h"
#include "edit/cursor_box.h"
#include "edit/whole_units.h"
#include "page/glyphs.h"

namespace strumix {

SlurArc slur_arc(int start_x, int start_y, int end_x) {
    SlurArc arc;
    arc.half_span = whole_unit((end_x - start_x) / 2.0);
    const int h = arc.half_span;
    arc.mid_x = start_x + h;
    arc.center_y = start_y + h;
    arc.radius = std::sqrt(2.0 * double(h) * double(h));
    arc.height = h;
    // Longer slurs are flatter. Every row that holds applies, in this order, so at a span of
    // exactly 1000, 2000 or 3000 twips the later aspect wins and both factors are taken.
    const int span = end_x - start_x;
    if (span <= 1000) {
        arc.aspect = 0.4;
        arc.height *= 1.06;
    }
    if (span >= 1000 && span <= 2000) {
        arc.aspect = 0.3;
        arc.height *= 1.14;
    }
    if (span >= 2000 && span <= 3000) {
        arc.aspect = 0.2;
        arc.height *= 1.252;
    }
    if (span >= 3000) {
        arc.aspect = 0.1;
        arc.height *= 1.442;
    }
    return arc;
}

QString slur_letter(int index) {
    return (index >= 0 && index < kSlurCount)
               ? QString::fromLatin1(kSlurLetters[std::size_t(index)])
               : QString();
}

int slur_letter_left(int index, int mid_x) {
    return mid_x - (index == slur_index(ToolId::HammerPull) ? 180 : 50);
}

void SlurTool::begin() {
    PaletteState& state = ctx_.state;
    const ToolId tool = slur_tool(kind_);
    state.current_tool = tool;
    state.unit = PageUnit::Twips;
    ctx_.cursor.set_visible(false);
    state.show_status(tool);
    // The draw options are offered with the slide tool only, although every slur reads them.
    state.slidewin_visible = slide();
}

void SlurTool::show_band() {
    const PageUnit unit = ctx_.state.unit;
    ctx_.overlay.line1 = QLine(pixel_at(drag_.start_x, drag_.start_y, unit),
                               pixel_at(drag_.end_x, drag_.end_y, unit));
    ctx_.overlay_changed();
}

void SlurTool::press(QPointF at) {
    drag_.mouse_is_down = true;
    ctx_.overlay.line1_visible = true;
    drag_.start_x = drag_.end_x = whole_unit(at.x());
    drag_.start_y = drag_.end_y = whole_unit(at.y());
    show_band();
}

void SlurTool::move(QPointF at) {
    if (!drag_.mouse_is_down) return;
    drag_.end_x = whole_unit(at.x());
    drag_.end_y = drag_.start_y;
    // Only a slide drawn as a line follows the pointer up and down; arcs are level.
    if (slide() && ctx_.opt.line) drag_.end_y = whole_unit(at.y());
    show_band();
}

void SlurTool::release(QPointF at) {
    if (!drag_.mouse_is_down) return;
    drag_.mouse_is_down = false;
    PagePicture& page = ctx_.doc.Picture1();
    const PageUnit unit = ctx_.state.unit;
    if (slide() && ctx_.opt.line) {
        const QPoint from = pixel_at(drag_.start_x, drag_.start_y, unit);
        const QPoint to = pixel_at(drag_.end_x, drag_.end_y, unit);
        page.draw([&](PageDrawing& drawing) { drawing.line(from, to); });
        drag_.start_y = drag_.end_y;
        // Slurs take no undo copy, so only a commit lets New and Open see the page has changed;
        // without it slurs drawn on a fresh page would be thrown away without a question.
        ctx_.doc.commit_page();
    }
    drag_.end_x = whole_unit(at.x());
    const SlurArc arc = slur_arc(drag_.start_x, drag_.start_y, drag_.end_x);
    int letter_row = drag_.start_y - 300;
    ctx_.overlay.line1_visible = false;
    ctx_.overlay_changed();
    // Released at or left of the press: no arc and no letter; a slide's line stays.
    if (drag_.end_x <= drag_.start_x) return;
    BusyPointer busy;
    const bool arc_drawn = !(slide() && !ctx_.opt.arc);
    if (!arc_drawn)
        letter_row = drag_.start_y <= drag_.end_y ? drag_.end_y - 300 : drag_.start_y - 150;
    if (!arc_drawn && !ctx_.opt.letter) return;
    page.draw([&](PageDrawing& drawing) {
        if (arc_drawn) {
            const double rx = arc.radius * unit_pixels_x(unit);
            const double ry = rx * arc.aspect;
            const QPointF centre = to_pixels(QPointF(arc.mid_x, arc.centre_y()), unit);
            constexpr double kSixteenthsPerRadian = 16.0 * 180.0 / 3.14159265358979323846;
            drawing.arc(QRectF(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry),
                        static_cast<int>(std::lround(kSlurArcStart * kSixteenthsPerRadian)),
                        static_cast<int>(
                            std::lround((kSlurArcEnd - kSlurArcStart) * kSixteenthsPerRadian)));
        }
        if (ctx_.opt.letter)
            drawing.text(pixel_at(slur_letter_left(kind_, arc.mid_x), letter_row, unit),
                         slur_letter(kind_));
    });
    ctx_.doc.commit_page();
}

void SlurTool::cancel() {
    drag_.mouse_is_down = false;
    if (!ctx_.overlay.line1_visible) return;
    ctx_.overlay.line1_visible = false;
    ctx_.overlay_changed();
}

}  // namespace strumix
