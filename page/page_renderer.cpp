#include "page/page_renderer.h"

namespace strumix {

bool size_page(PagePicture& page, const LayoutModel& model, int measures_across, QString* error) {
    LayoutModel sized = model;
    sized.measures_across = measures_across;
    return page.resize(sized.page_size_pixels(), error);
}

bool draw_blank_page(PagePicture& page, const LayoutModel& model, QString* error) {
    page.clear();
    page.set_scale_mode(ScaleMode::Characters);
    if (!size_page(page, model, model.measures_across, error)) return false;
    draw_staffs(page, model, model.measures_across);
    draw_captions(page, model);
    return true;
}

void draw_staffs(PagePicture& page, const LayoutModel& model, int measures_across) {
    const ScaleMode previous = page.scale_mode();
    page.set_scale_mode(ScaleMode::Characters);
    const PagePicture::Batch batch(page);
    const int w = model.measure_width();
    for (int i = 0; i < model.num_lines; ++i) {
        const double top = model.first_row(i) + 0.5;
        const double bottom = model.last_row(i) + 0.5;
        for (int j = 0; j < measures_across; ++j) {
            // Adjacent measures share a bar position, so inner bars are drawn twice.
            const double x = 6.5 + j * w;
            page.line(x, top, x, bottom);
            page.line(x + w, top, x + w, bottom);
            for (int s = 0; s < model.num_strings(i); ++s) {
                const double y = model.string_line_y(i, s);
                page.line(x, y, x + w, y);
            }
        }
    }
    page.set_scale_mode(previous);
}

QString string_label(int string, const QString& tuning) {
    return QStringLiteral(" %1-").arg(string + 1) + fixed_width(tuning, kTuningWidth);
}

void draw_captions(PagePicture& page, const LayoutModel& model) {
    const ScaleMode previous = page.scale_mode();
    page.set_scale_mode(ScaleMode::Characters);
    const PagePicture::Batch batch(page);
    for (int i = 0; i < model.num_lines; ++i) {
        const LineProps& staff = model.line_props[i];
        page.set_bold(true);
        page.set_current(LayoutModel::label_column(), model.caption_row(i));
        page.print(staff.caption);
        page.set_bold(false);
        for (int s = 0; s < staff.num_strings; ++s) {
            page.set_current(LayoutModel::label_column(), model.string_row(i, s));
            page.print(string_label(s, staff.tuning[s]));
        }
    }
    page.set_scale_mode(previous);
}

}  // namespace strumix
