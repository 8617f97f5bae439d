#include "edit/slur_tool.h"

#include <cmath>

#include "document/busy_pointer.h"
#include "document/document.h"
#include "edit/cursor_box.h"
#include "edit/whole_units.h"

namespace strumix {

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
    int letter_row = slur_letter_row(drag_.start_y);
    ctx_.overlay.line1_visible = false;
    ctx_.overlay_changed();
    // Released at or left of the press: no arc and no letter; a slide's line stays.
    if (drag_.end_x <= drag_.start_x) return;
    BusyPointer busy;
    const bool arc_drawn = !(slide() && !ctx_.opt.arc);
    if (!arc_drawn)
        letter_row =
            drag_.start_y <= drag_.end_y ? slur_letter_row(drag_.end_y) : drag_.start_y - 150;
    if (!arc_drawn && !ctx_.opt.letter) return;
    page.draw([&](PageDrawing& drawing) {
        if (arc_drawn) draw_slur_arc(drawing, arc, unit);
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
