#include "page/sheet_layout.h"

#include <algorithm>
#include <cmath>

#include "page/page_geometry.h"

namespace strumix {

namespace {

// The pixels of a screen at 96 dpi: the smallest size at which fret numbers read well.
constexpr double kScreenDpi = 96.0;
// A small page is enlarged to the sheet's width, but not past this many times its screen
// size, so one short staff does not print as a poster.
constexpr double kMaxEnlargement = 2.5;

}  // namespace

std::vector<int> page_cuts(QSize page, const std::optional<LayoutModel>& layout) {
    std::vector<int> cuts;
    if (layout && layout->page_size_pixels() == page) {
        for (int staff = 1; staff < layout->num_lines; ++staff)
            cuts.push_back(layout->caption_row(staff) * kRowPixels);
    } else {
        for (int y = kRowPixels; y < page.height(); y += kRowPixels) cuts.push_back(y);
    }
    cuts.push_back(page.height());
    return cuts;
}

SheetPlan plan_sheets(QSize page, const std::vector<int>& cuts, QSize sheet, double dpi) {
    SheetPlan plan;
    if (page.isEmpty() || sheet.isEmpty() || dpi <= 0) return plan;
    const double smallest = dpi / kScreenDpi;
    const double fitted = double(sheet.width()) / page.width();
    plan.scale = std::clamp(fitted, smallest, smallest * kMaxEnlargement);

    // Across: a page wider than the sheet at the smallest scale goes on in whole cells.
    const int across =
        page.width() * plan.scale <= sheet.width() + 0.5
            ? page.width()
            : std::max(kColumnPixels,
                       int(std::floor(sheet.width() / plan.scale / kColumnPixels)) * kColumnPixels);
    const int down = std::max(1, int(std::floor(sheet.height() / plan.scale)));

    std::vector<std::pair<int, int>> bands;  // top and bottom of each sheet's part of the page
    int top = 0;
    while (top < page.height()) {
        int bottom = top;
        for (int cut : cuts) {
            if (cut > top && cut - top <= down) bottom = std::max(bottom, cut);
        }
        // One staff taller than a sheet: it must be cut, between rows where it can.
        if (bottom == top) {
            bottom = top + std::max(kRowPixels, down / kRowPixels * kRowPixels);
            if (bottom - top > down) bottom = top + down;
        }
        bottom = std::min(bottom, page.height());
        bands.emplace_back(top, bottom);
        top = bottom;
    }
    for (int left = 0; left < page.width(); left += across) {
        const int width = std::min(across, page.width() - left);
        for (const auto& [band_top, band_bottom] : bands)
            plan.slices.append(QRect(left, band_top, width, band_bottom - band_top));
    }
    return plan;
}

}  // namespace strumix
