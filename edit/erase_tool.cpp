#include "edit/erase_tool.h"

#include <cmath>

#include "document/busy_pointer.h"
#include "document/document.h"
#include "edit/cursor_box.h"
#include "edit/edit_host.h"
#include "edit/whole_units.h"
#include "page/page_renderer.h"

namespace strumix {

QRect spanned_rect(int x1, int y1, int x2, int y2) {
    const int left = x2 > x1 ? x1 : x2;
    const int top = y2 > y1 ? y1 : y2;
    return QRect(left, top, std::abs(x2 - x1), std::abs(y2 - y1));
}

void cut_section(PagePicture& page, const LayoutModel& model, const QRect& section, PageUnit unit) {
    const double left = section.x() - 1;
    const double top = section.y() - 1;
    const QPoint from = pixel_at(left, top, unit);
    const QPoint to = pixel_at(left + section.width() - 1, top + section.height() - 1, unit);
    const QRect white(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                      QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
    page.draw([&](PageDrawing& drawing) {
        drawing.fill(white, Qt::white);
        draw_staffs(drawing, model, model.measures_across);
        draw_captions(drawing, model);
    });
}

void EraseTool::begin() {
    PaletteState& state = ctx_.state;
    state.show_status(ToolId::Erase);
    state.current_tool = ToolId::Erase;
    state.unit = PageUnit::Pixels;
    ctx_.cursor.set_visible(false);
    // One undo copy for all the cuts made while the tool stays selected.
    ctx_.doc.take_undo_copy();
    ctx_.host.focus_page();
    // The option strip keeps its visibility: chosen right after the slide tool it stays up.
}

void EraseTool::place_box_band() {
    const PageUnit unit = ctx_.state.unit;
    const QRect units = spanned_rect(drag_.start_x, drag_.start_y, drag_.end_x, drag_.end_y);
    const QPoint top_left = pixel_at(units.x(), units.y(), unit);
    const QPoint far = pixel_at(units.x() + units.width(), units.y() + units.height(), unit);
    // A band narrower than a pixel (a twip-sized one) still shows as one pixel.
    ctx_.overlay.box = QRect(top_left.x(), top_left.y(), std::max(1, far.x() - top_left.x()),
                             std::max(1, far.y() - top_left.y()));
}

void EraseTool::press(QPointF at) {
    drag_.mouse_is_down = true;
    drag_.start_x = drag_.end_x = whole_unit(at.x());
    drag_.start_y = drag_.end_y = whole_unit(at.y());
    place_box_band();
    ctx_.overlay.box_visible = true;
    ctx_.overlay_changed();
}

void EraseTool::move(QPointF at) {
    if (!drag_.mouse_is_down) return;
    drag_.end_x = whole_unit(at.x());
    drag_.end_y = whole_unit(at.y());
    place_box_band();
    ctx_.overlay_changed();
}

void EraseTool::release(QPointF at) {
    if (!drag_.mouse_is_down) return;
    drag_.mouse_is_down = false;
    ctx_.overlay.box_visible = false;
    drag_.end_x = whole_unit(at.x());
    drag_.end_y = whole_unit(at.y());
    place_box_band();
    ctx_.overlay_changed();
    BusyPointer busy;
    cut_section(ctx_.doc.Picture1(), ctx_.doc.model(),
                spanned_rect(drag_.start_x, drag_.start_y, drag_.end_x, drag_.end_y),
                ctx_.state.unit);
    // The tool stays selected but from now on works in twips, the unit its next drag reports.
    ctx_.state.unit = PageUnit::Twips;
}

void EraseTool::cancel() {
    drag_.mouse_is_down = false;
    if (!ctx_.overlay.box_visible) return;
    ctx_.overlay.box_visible = false;
    ctx_.overlay_changed();
}

}  // namespace strumix
