#include "page/page_renderer.h"

namespace strumix {

bool size_page(PagePicture& page, const LayoutModel& model, int measures_across, QString* error) {
    LayoutModel sized = model;
    sized.measures_across = measures_across;
    return page.resize(sized.page_size_pixels(), error);
}

bool draw_blank_page(PagePicture& page, const LayoutModel& model, QString* error) {
    page.clear();
    if (!size_page(page, model, model.measures_across, error)) return false;
    page.draw([&](PageDrawing& drawing) {
        draw_staffs(drawing, model, model.measures_across);
        draw_captions(drawing, model);
    });
    return true;
}

void draw_staffs(PageDrawing& page, const LayoutModel& model, int measures_across) {
    for (int i = 0; i < model.num_lines; ++i) {
        const int top = model.string_line_y_pixels(i, 0);
        const int bottom = model.string_line_y_pixels(i, model.num_strings(i) - 1);
        for (int j = 0; j < measures_across; ++j) {
            // Adjacent measures share a bar position, so inner bars are drawn twice.
            const int left = model.bar_x(j);
            const int right = model.bar_x(j + 1);
            page.line(QPoint(left, top), QPoint(left, bottom));
            page.line(QPoint(right, top), QPoint(right, bottom));
            for (int s = 0; s < model.num_strings(i); ++s) {
                const int y = model.string_line_y_pixels(i, s);
                page.line(QPoint(left, y), QPoint(right, y));
            }
        }
    }
}

QString string_label(int string, const QString& tuning) {
    return QStringLiteral(" %1-").arg(string + 1) + fixed_width(tuning, kTuningWidth);
}

void draw_captions(PageDrawing& page, const LayoutModel& model) {
    const int x = LayoutModel::label_column() * kColumnPixels;
    for (int i = 0; i < model.num_lines; ++i) {
        const LineProps& staff = model.line_props[i];
        page.text(QPoint(x, model.caption_row(i) * kRowPixels), staff.caption, {.bold = true});
        for (int s = 0; s < staff.num_strings; ++s)
            page.text(QPoint(x, model.string_row(i, s) * kRowPixels),
                      string_label(s, staff.tuning[s]));
    }
}

}  // namespace strumix
