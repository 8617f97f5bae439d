#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

#include "notes/notes_model.h"
#include "notes_drawing/page_marks.h"
#include "page/page_drawing.h"
#include "page/slur_geometry.h"

namespace strumix {

// A slur dragged from `press` to `release_x` (pixels) with the slur tool `index`, as the slur
// tools draw it.
struct SlurDrag {
    SlurArc arc;
    int y = 0;  // twips
    QPoint letter_at;
};

SlurDrag slur_drag(QPoint press, int release_x, int index);
void draw_slur(PageDrawing& drawing, const SlurDrag& drag, const Slur& slur, int index);

// Finds where the slur tools are pressed on a slur's first note and released on its second:
// within the numbers, at the height and across where the arc and its letter touch no other
// mark (the two numbers they join aside), or as few as can be.
class SlurPlaces {
public:
    // `marks`: the page's marks, its numbers and nothing after yet; kept up to date by the
    // caller as slurs are drawn.
    SlurPlaces(PageMarks& marks, const LayoutModel& layout);

    SlurDrag place(const Slur& slur, int index);

private:
    // The dark pixels a drag draws, from its press point; the same for every drag of the same
    // length and tool, wherever on the page.
    using Footprint = std::vector<QPoint>;
    using FootprintKey = std::tuple<int, int, bool>;  // release − press, tool, letter

    const std::optional<Footprint>& footprint(int length, const Slur& slur, int index);
    int touching(const std::vector<QPoint>& dark, QPoint at, const QRect& ends, int enough) const;
    int touching_drawn(const SlurDrag& drag, const Slur& slur, int index, const QRect& ends);

    const LayoutModel& layout_;
    PageMarks& marks_;
    const PageMarks numbers_;
    QImage scratch_;
    std::map<FootprintKey, std::optional<Footprint>> footprints_;
};

}  // namespace strumix
