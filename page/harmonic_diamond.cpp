#include "page/harmonic_diamond.h"

#include "page/page_drawing.h"
#include "page/page_geometry.h"

namespace strumix {

std::array<QPoint, 4> harmonic_diamond(double left, double top) {
    constexpr double w = page_cells::kBoxWidth;
    constexpr double h = page_cells::kBoxHeight;
    auto corner = [](double x, double y) { return pixel_at(x, y, PageUnit::Characters); };
    return {corner(left + w / 2.5, top - h / 6), corner(left + w, top + h / 2),
            corner(left + w / 2.5, top + h + h / 6), corner(left - w / 4, top + h / 2)};
}

void draw_harmonic_diamond(PageDrawing& page, const std::array<QPoint, 4>& corners) {
    for (std::size_t i = 0; i < corners.size(); ++i)
        page.line(corners[i], corners[(i + 1) % corners.size()]);
}

}  // namespace strumix
