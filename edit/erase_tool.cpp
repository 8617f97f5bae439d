#include "edit/erase_tool.h"

#include <cmath>

#include "edit/busy_pointer.h"
#include "edit/editor.h"
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

void Editor::place_box_band() {
    const QRect units = spanned_rect(drag_start_x, drag_start_y, drag_end_x, drag_end_y);
    const int left = static_cast<int>(std::lround(Picture1.to_pixels_x(units.x())));
    const int top = static_cast<int>(std::lround(Picture1.to_pixels_y(units.y())));
    const int right =
        static_cast<int>(std::lround(Picture1.to_pixels_x(units.x() + units.width())));
    const int bottom =
        static_cast<int>(std::lround(Picture1.to_pixels_y(units.y() + units.height())));
    // A band narrower than a pixel (a twip-sized one) still shows as one pixel.
    box_band = QRect(left, top, std::max(1, right - left), std::max(1, bottom - top));
}

void Editor::erase_press(double x, double y) {
    drag_start_x = drag_end_x = whole_unit(x);
    drag_start_y = drag_end_y = whole_unit(y);
    place_box_band();
    box_visible = true;
    notify();
}

void Editor::erase_move(double x, double y) {
    drag_end_x = whole_unit(x);
    drag_end_y = whole_unit(y);
    place_box_band();
    notify();
}

void Editor::erase_release(double x, double y) {
    box_visible = false;
    drag_end_x = whole_unit(x);
    drag_end_y = whole_unit(y);
    place_box_band();
    {
        BusyPointer busy;
        cut_section(Picture1, model,
                    spanned_rect(drag_start_x, drag_start_y, drag_end_x, drag_end_y));
        // The tool stays selected but from now on works in twips, the unit its next drag reports.
        Picture1.set_scale_mode(ScaleMode::Twips);
    }
    notify();
}

}  // namespace strumix
