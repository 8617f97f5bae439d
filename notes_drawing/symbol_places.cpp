#include "notes_drawing/symbol_places.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "page/glyphs.h"
#include "page/page_ink.h"

namespace strumix {

namespace {

// How far from its note's middle a symbol's middle is put: a pixel inside the reach.
constexpr int kReach = kSymbolReach - 1;

const std::vector<QPoint>& glyph_ink(int symbol) {
    static const std::array<std::vector<QPoint>, kSymbolCount> ink = [] {
        std::array<std::vector<QPoint>, kSymbolCount> all;
        for (int i = 0; i < kSymbolCount; ++i) {
            const QImage& glyph = Glyphs::get().pic_bend[std::size_t(i)];
            for (int y = 0; y < glyph.height(); ++y)
                for (int x = 0; x < glyph.width(); ++x)
                    if (is_ink(glyph.pixel(x, y)) && qAlpha(glyph.pixel(x, y)) >= 128)
                        all[std::size_t(i)].push_back(QPoint(x, y));
        }
        return all;
    }();
    return ink[std::size_t(symbol)];
}

QSize glyph_size(int symbol) { return Glyphs::get().pic_bend[std::size_t(symbol)].size(); }

// Every place within reach of a note's middle, the likeliest first.
const std::vector<QPoint>& offsets() {
    static const std::vector<QPoint> all = [] {
        std::vector<QPoint> found;
        // Every second pixel: a symbol a pixel off looks the same and is read the same.
        for (int dy = -kReach; dy <= kReach; dy += 2)
            for (int dx = -kReach; dx <= kReach; dx += 2)
                if (dx * dx + dy * dy <= kReach * kReach) found.push_back(QPoint(dx, dy));
        std::stable_sort(found.begin(), found.end(), [](QPoint a, QPoint b) {
            const QPoint da = a - kSymbolPreferred;
            const QPoint db = b - kSymbolPreferred;
            return da.x() * da.x() + da.y() * da.y() < db.x() * db.x() + db.y() * db.y();
        });
        return found;
    }();
    return all;
}

}  // namespace

QPoint SymbolPlaces::entry_middle(const LayoutModel& layout, const CellPlace& cell) {
    return cell_origin(layout, cell) + kEntryMiddle;
}

SymbolPlaces::SymbolPlaces(PageMarks& marks, const PageNotes& notes)
    : marks_(marks), layout_(notes.layout) {
    for (const Note& note : notes.notes) middles_.push_back(entry_middle(layout_, note.place));
}

QPoint SymbolPlaces::place(int symbol, const CellPlace& cell) {
    const QPoint mine = entry_middle(layout_, cell);
    const std::vector<QPoint>& ink = glyph_ink(symbol);
    const QSize size = glyph_size(symbol);
    // The other notes near enough to compete for the symbol.
    std::vector<QPoint> others;
    for (const QPoint& m : middles_) {
        const QPoint d = m - mine;
        if (d != QPoint(0, 0) && std::abs(d.x()) <= 3 * kReach && std::abs(d.y()) <= 3 * kReach)
            others.push_back(m);
    }
    QPoint best = mine;
    int best_touching = -1;
    for (const QPoint& offset : offsets()) {
        const QPoint middle = mine + offset;
        const QPoint top_left = middle - QPoint(size.width() / 2, size.height() / 2);
        if (top_left.x() < 0 || top_left.y() < 0 || top_left.x() + size.width() > marks_.width() ||
            top_left.y() + size.height() > marks_.height())
            continue;
        // Nearer its own note than any other by more than a pixel, compared squared.
        const double lead =
            std::sqrt(double(offset.x() * offset.x() + offset.y() * offset.y())) + 1.0;
        const double lead_squared = lead * lead;
        const bool nearest = std::all_of(others.begin(), others.end(), [&](const QPoint& m) {
            const QPoint d = m - middle;
            return double(d.x() * d.x() + d.y() * d.y()) > lead_squared;
        });
        if (!nearest) continue;
        int touching = 0;
        for (const QPoint& p : ink) {
            touching += marks_.near(top_left.x() + p.x(), top_left.y() + p.y());
            if (best_touching >= 0 && touching >= best_touching) break;
        }
        if (best_touching < 0 || touching < best_touching) {
            best = middle;
            best_touching = touching;
            if (touching == 0) break;
        }
    }
    marks_.add(ink, best - QPoint(size.width() / 2, size.height() / 2));
    return best;
}

}  // namespace strumix
