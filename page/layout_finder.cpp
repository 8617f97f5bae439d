#include "page/layout_finder.h"

#include "page/page_geometry.h"
#include "page/page_ink.h"
#include "page/text_reader.h"

namespace strumix {

namespace {

using page_pixels::kFirstBar;
using page_pixels::kFixedWidth;
using page_pixels::kLineInRow;
using page_pixels::kShortfallPerMeasure;
using page_pixels::kWidthPerNote;

bool black(const QImage& page, int x, int y) { return ink_at(page, x, y); }

}  // namespace

std::optional<LayoutModel> find_layout(const QImage& source) {
    const QImage page = source.format() == QImage::Format_RGB32
                            ? source
                            : source.convertToFormat(QImage::Format_RGB32);
    const int width = page.width();
    const int height = page.height();
    // Width 76 + 24·(n + 1)·a pixels, height a whole number of rows; at least one note, and
    // one measure, across.
    if (height % kRowPixels != 0 || width < kFixedWidth + 2 * kWidthPerNote ||
        (width - kFixedWidth) % kWidthPerNote != 0)
        return std::nullopt;
    const int product = (width - kFixedWidth) / kWidthPerNote;
    const int rows = height / kRowPixels;
    // String lines run unbroken from the first bar at least to where the last bar stands when
    // there are as many measures across as a page can have.
    const int span_end =
        kFirstBar + kWidthPerNote * product - kShortfallPerMeasure * kMaxMeasuresAcross;
    auto line_at = [&](int row) {
        const int y = row * kRowPixels + kLineInRow;
        for (int x = kFirstBar; x <= span_end; ++x)
            if (!black(page, x, y)) return false;
        return true;
    };
    LayoutModel model;
    int row = page_cells::kFirstStaffRow;
    int staffs = 0;
    while (row < rows && line_at(row)) {
        if (staffs == kMaxStaffs) return std::nullopt;
        int strings = 0;
        while (row < rows && line_at(row)) ++row, ++strings;
        if (strings > kMaxStrings) return std::nullopt;
        model.line_props[staffs].num_strings = strings;
        ++staffs;
        row += page_cells::kStaffStep - 1;
    }
    if (staffs == 0) return std::nullopt;
    model.num_lines = staffs;
    model.recompute_staff_rows();
    if (model.page_height_rows() != rows) return std::nullopt;
    for (int r = 0; r < rows; ++r) {
        bool string_row = false;
        for (int i = 0; i < staffs; ++i)
            string_row |= r >= model.first_row(i) && r <= model.last_row(i);
        if (!string_row && r >= page_cells::kFirstStaffRow && line_at(r)) return std::nullopt;
    }
    // The last bar, where the string lines end: the fewest columns any string line runs on.
    int line_end = width;
    for (int i = 0; i < staffs; ++i) {
        for (int s = 0; s < model.num_strings(i); ++s) {
            const int y = model.string_line_y_pixels(i, s);
            int x = kFirstBar;
            while (x + 1 < width && black(page, x + 1, y)) ++x;
            line_end = std::min(line_end, x);
        }
    }
    // The last bar stands at 52 + 24·(n + 1)·a − 8·a.
    const int shortfall = kFirstBar + kWidthPerNote * product - line_end;
    if (shortfall % kShortfallPerMeasure != 0) return std::nullopt;
    const int across = shortfall / kShortfallPerMeasure;
    if (across < 1 || across > kMaxMeasuresAcross || product % across != 0) return std::nullopt;
    model.measures_across = across;
    model.notes_per_measure = product / across - 1;
    if (model.notes_per_measure < 1 || model.notes_per_measure > kMaxNotesPerMeasure)
        return std::nullopt;
    if (model.page_size_pixels() != page.size()) return std::nullopt;
    // Every bar stands where the layout puts it.
    for (int i = 0; i < staffs; ++i) {
        for (int j = 0; j <= across; ++j) {
            const int x = model.bar_x(j);
            for (int y = model.string_line_y_pixels(i, 0);
                 y <= model.string_line_y_pixels(i, model.num_strings(i) - 1); ++y)
                if (!black(page, x, y)) return std::nullopt;
        }
    }
    // Captions in bold at column 1 of the row above each staff, eight characters; the string
    // names " 1-" ... " 10-" and two of the tuning's in the label column of each string's row.
    const int x0 = LayoutModel::label_column() * kColumnPixels;
    for (int i = 0; i < staffs; ++i) {
        const std::optional<QString> caption = read_page_text(
            page, true, model.caption_row(i) * kRowPixels, x0 - 2, width, x0, kCaptionWidth);
        if (!caption) return std::nullopt;
        model.line_props[i].caption = *caption;
        for (int s = 0; s < model.num_strings(i); ++s) {
            const QString prefix = QStringLiteral(" %1-").arg(s + 1);
            const std::optional<QString> name =
                read_page_text(page, false, model.string_row(i, s) * kRowPixels, x0 - 2, kFirstBar,
                               x0, int(prefix.size()) + kTuningWidth);
            if (!name || !name->startsWith(prefix)) return std::nullopt;
            model.line_props[i].tuning[s] = name->mid(prefix.size());
        }
    }
    return model;
}

}  // namespace strumix
