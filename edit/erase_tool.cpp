#include "edit/erase_tool.h"

#include <cmath>

#include "document/busy_pointer.h"
#include "document/document.h"
#include "edit/whole_units.h"
#include "page/page_renderer.h"

namespace strumix {

QRect spanned_rect(int x1, int y1, int x2, int y2) {
    const int left = x2 > x1 ? x1 : x2;
    const int top = y2 > y1 ? y1 : y2;
    return QRect(left, top, std::abs(x2 - x1), std::abs(y2 - y1));
}

void cut_section(PagePicture& page, const LayoutModel& model, const QRect& section) {
    const ScaleMode unit = page.scale_mode();
    const PagePicture::Batch batch(page);
    page.set_fill_style(FillStyle::Solid);
    page.set_fill_color(Qt::white);
    page.set_fore_color(Qt::white);
    const double left = section.x() - 1;
    const double top = section.y() - 1;
    page.box(left, top, left + section.width() - 1, top + section.height() - 1);
    page.set_fore_color(Qt::black);
    draw_staffs(page, model, model.measures_across);
    draw_captions(page, model);
    page.set_scale_mode(unit);
}

void EraseTool::place_box_band() {
    const PagePicture& page = ctx_.doc.Picture1();
    const QRect units = spanned_rect(drag_.start_x, drag_.start_y, drag_.end_x, drag_.end_y);
    const int left = static_cast<int>(std::lround(page.to_pixels_x(units.x())));
    const int top = static_cast<int>(std::lround(page.to_pixels_y(units.y())));
    const int right = static_cast<int>(std::lround(page.to_pixels_x(units.x() + units.width())));
    const int bottom = static_cast<int>(std::lround(page.to_pixels_y(units.y() + units.height())));
    // A band narrower than a pixel (a twip-sized one) still shows as one pixel.
    ctx_.overlay.box = QRect(left, top, std::max(1, right - left), std::max(1, bottom - top));
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
    PagePicture& page = ctx_.doc.Picture1();
    cut_section(page, ctx_.doc.model(),
                spanned_rect(drag_.start_x, drag_.start_y, drag_.end_x, drag_.end_y));
    // The tool stays selected but from now on works in twips, the unit its next drag reports.
    page.set_scale_mode(ScaleMode::Twips);
}

void EraseTool::cancel() {
    drag_.mouse_is_down = false;
    if (!ctx_.overlay.box_visible) return;
    ctx_.overlay.box_visible = false;
    ctx_.overlay_changed();
}

}  // namespace strumix
