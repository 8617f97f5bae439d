#include "page/layout_model.h"

#include <cmath>

namespace strumix {

namespace {

const std::array<const char*, kMaxStrings> kGuitarTuning = {"e", "B", "G", "D", "A",
                                                            "E", "B", "G", "D", "A"};
const std::array<const char*, kMaxStrings> kBassTuning = {"G", "D", "A", "E", "",
                                                          "",  "",  "",  "",  ""};

void fill_staff(LineProps& staff, const char* caption, int strings,
                const std::array<const char*, kMaxStrings>& tuning) {
    staff.set_caption(QString::fromLatin1(caption));
    staff.num_strings = strings;
    for (int s = 0; s < kMaxStrings; ++s) staff.set_tuning(s, QString::fromLatin1(tuning[s]));
}

}  // namespace

QString fixed_width(const QString& text, int width) {
    return text.left(width).leftJustified(width, QLatin1Char(' '));
}

LineProps::LineProps() { tuning.fill(QString(kTuningWidth, QLatin1Char(' '))); }

LayoutModel::LayoutModel() {
    fill_defaults();
    recompute_staff_rows();
}

void LayoutModel::fill_defaults() {
    notes_per_measure = 16;
    num_lines = 2;
    measures_across = 1;
    for (auto& staff : line_props) fill_staff(staff, "Guitar", 6, kGuitarTuning);
    fill_staff(line_props[1], "Bass", 4, kBassTuning);
}

void LayoutModel::recompute_staff_rows() {
    line_props[0].first_row = page_cells::kFirstStaffRow;
    line_props[0].last_row = line_props[0].first_row + line_props[0].num_strings - 1;
    for (int i = 1; i < kMaxStaffs; ++i) {
        line_props[i].first_row = line_props[i - 1].last_row + page_cells::kStaffStep;
        line_props[i].last_row = line_props[i].first_row + line_props[i].num_strings - 1;
    }
}

double LayoutModel::page_width_columns() const {
    return page_cells::kFirstBar +
           double(page_cells::kNoteStep) * (notes_per_measure + 1) * measures_across +
           page_cells::kRightMargin;
}

int LayoutModel::page_height_rows() const {
    // The top margin, then each staff with its caption row above and an empty row below.
    int rows = page_cells::kMarginRows;
    for (int i = 0; i < num_lines; ++i) rows += 1 + line_props[i].num_strings + 1;
    return rows;
}

QSize LayoutModel::page_size_pixels() const {
    return QSize(static_cast<int>(std::lround(page_width_columns() * kColumnPixels)),
                 page_height_rows() * kRowPixels);
}

}  // namespace strumix
