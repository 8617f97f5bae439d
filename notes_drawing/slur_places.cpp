#include "notes_drawing/slur_places.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "page/page_geometry.h"
#include "page/page_ink.h"

namespace strumix {

namespace {

constexpr QRgb kWhite = 0xffffffff;

// Room about a footprint's press point: the longest slur a page holds and its letter fit.
constexpr int kFootprintLeft = 128;
constexpr int kFootprintAbove = 384;
constexpr int kFootprintBelow = 128;

// White, the most of any page, is passed over before the ink test.
bool dark(QRgb pixel) { return pixel != kWhite && is_ink(pixel); }

// The dark pixels within `rect` of `image`, from `origin`.
std::vector<QPoint> dark_pixels(const QImage& image, const QRect& rect, QPoint origin) {
    std::vector<QPoint> found;
    const QRect r = rect & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = r.left(); x <= r.right(); ++x)
            if (dark(row[x])) found.push_back(QPoint(x, y) - origin);
    }
    return found;
}

}  // namespace

SlurDrag slur_drag(QPoint press, int release_x, int index) {
    SlurDrag drag;
    drag.y = pixels_to_twips(press.y());
    drag.arc = slur_arc(pixels_to_twips(press.x()), drag.y, pixels_to_twips(release_x));
    drag.letter_at =
        pixel_at(slur_letter_left(index, drag.arc.mid_x), slur_letter_row(drag.y), PageUnit::Twips);
    return drag;
}

void draw_slur(PageDrawing& drawing, const SlurDrag& drag, const Slur& slur, int index) {
    draw_slur_arc(drawing, drag.arc, PageUnit::Twips);
    if (slur.letter && slur.kind != SlurKind::Legato)
        drawing.text(drag.letter_at, slur_letter(index));
}

SlurPlaces::SlurPlaces(PageMarks& marks, const LayoutModel& layout)
    : layout_(layout),
      marks_(marks),
      numbers_(marks),
      scratch_(marks.width(), marks.height(), QImage::Format_RGB32) {
    scratch_.fill(Qt::white);
}

// How many of `dark` (pixels from `at`) lie next to a mark, the two numbers the slur joins
// (inside `ends`) aside; counting stops at `enough`.
int SlurPlaces::touching(const std::vector<QPoint>& pixels, QPoint at, const QRect& ends,
                         int enough) const {
    int count = 0;
    for (const QPoint& offset : pixels) {
        const QPoint q = at + offset;
        // Drawing clips what falls off the page.
        if (q.x() < 0 || q.y() < 0 || q.x() >= marks_.width() || q.y() >= marks_.height()) continue;
        if (!marks_.near(q.x(), q.y())) continue;
        bool near = false;
        for (int dy = -1; dy <= 1 && !near; ++dy)
            for (int dx = -1; dx <= 1 && !near; ++dx) {
                const QPoint p(q.x() + dx, q.y() + dy);
                // Another slur ending on the same number is not the number.
                near =
                    marks_.mark(p.x(), p.y()) && !(ends.contains(p) && numbers_.mark(p.x(), p.y()));
            }
        count += near;
        if (count >= enough) break;
    }
    return count;
}

const std::optional<SlurPlaces::Footprint>& SlurPlaces::footprint(int length, const Slur& slur,
                                                                  int index) {
    const bool letter = slur.letter && slur.kind != SlurKind::Legato;
    const FootprintKey key{length, index, letter};
    auto found = footprints_.find(key);
    if (found != footprints_.end()) return found->second;
    // The drag drawn from a press point of its own, with room all round.
    const QPoint origin(kFootprintLeft + std::max(0, -length), kFootprintAbove);
    QImage image(std::abs(length) + 2 * kFootprintLeft, kFootprintAbove + kFootprintBelow,
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QRect touched;
    {
        PageDrawing trial(image);
        draw_slur(trial, slur_drag(origin, origin.x() + length, index), slur, index);
        touched = trial.touched();
    }
    std::optional<Footprint> print;
    // A drag that reaches the edge of the room is tried on the page instead.
    if (image.rect().adjusted(1, 1, -1, -1).contains(touched))
        print = dark_pixels(image, touched, origin);
    return footprints_.emplace(key, std::move(print)).first->second;
}

int SlurPlaces::touching_drawn(const SlurDrag& drag, const Slur& slur, int index,
                               const QRect& ends) {
    QRect touched;
    {
        PageDrawing trial(scratch_);
        draw_slur(trial, drag, slur, index);
        touched = trial.touched() & scratch_.rect();
    }
    const int count = touching(dark_pixels(scratch_, touched, QPoint(0, 0)), QPoint(0, 0), ends,
                               std::numeric_limits<int>::max());
    PageDrawing wipe(scratch_);
    wipe.fill(touched, Qt::white);
    return count;
}

SlurDrag SlurPlaces::place(const Slur& slur, int index) {
    const QPoint from = cell_origin(layout_, slur.from);
    const QPoint to = cell_origin(layout_, slur.to);
    const QRect ends = QRect(from, QSize(16, 16)).united(QRect(to.x(), from.y(), 16, 16));
    // Near the top of the numbers first, so that the arc leaves them soon.
    struct Trial {
        QPoint press;
        int release_x;
    };
    std::vector<Trial> trials;
    for (int y : {5, 6, 7, 8, 9})
        for (int press_x : {6, 4, 8})
            for (int release_x : {6, 4, 8})
                trials.push_back({from + QPoint(press_x, y), to.x() + release_x});
    // The first clear try, else the one touching least; `count` says how much a try touches,
    // stopping once it reaches the best so far.
    auto search = [&](const auto& count) {
        std::optional<SlurDrag> best;
        int best_touching = std::numeric_limits<int>::max();
        for (const Trial& trial : trials) {
            const SlurDrag drag = slur_drag(trial.press, trial.release_x, index);
            const int touching = count(trial, drag, best_touching);
            if (touching < best_touching) {
                best = drag;
                best_touching = touching;
            }
            if (touching == 0) break;
        }
        return std::pair(*best, best_touching);
    };
    auto drawn = [&](const Trial&, const SlurDrag& drag, int) {
        return touching_drawn(drag, slur, index, ends);
    };
    auto [best, best_touching] = search([&](const Trial& trial, const SlurDrag& drag, int enough) {
        const std::optional<Footprint>& print =
            footprint(trial.release_x - trial.press.x(), slur, index);
        return print ? touching(*print, trial.press, ends, enough) : drawn(trial, drag, enough);
    });
    // A clear place found from a footprint is drawn once to be sure of it; where drawing it
    // there differs, every place is drawn.
    if (best_touching == 0 && touching_drawn(best, slur, index, ends) != 0)
        best = search(drawn).first;
    return best;
}

}  // namespace strumix
