#include "notes_drawing/symbol_places.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "page/glyphs.h"

namespace strumix {

namespace {

// How far from its note's middle a symbol's middle is put: a pixel inside the reach.
constexpr int kReach = kSymbolReach - 1;
// Where a symbol looks best: a little right of its note's middle and over it.
const QPoint kPreferred(5, -11);

const std::vector<QPoint>& glyph_ink(int symbol) {
    static const std::array<std::vector<QPoint>, kSymbolCount> ink = [] {
        std::array<std::vector<QPoint>, kSymbolCount> all;
        for (int i = 0; i < kSymbolCount; ++i) {
            const QImage& glyph = Glyphs::get().pic_bend[std::size_t(i)];
            for (int y = 0; y < glyph.height(); ++y)
                for (int x = 0; x < glyph.width(); ++x)
                    if (qGray(glyph.pixel(x, y)) < 128 && qAlpha(glyph.pixel(x, y)) >= 128)
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
            const QPoint da = a - kPreferred;
            const QPoint db = b - kPreferred;
            return da.x() * da.x() + da.y() * da.y() < db.x() * db.x() + db.y() * db.y();
        });
        return found;
    }();
    return all;
}

bool dark(QRgb pixel) { return qGray(pixel) < 128; }

}  // namespace

QPoint SymbolPlaces::entry_middle(const LayoutModel& layout, const CellPlace& cell) {
    const QRect rect =
        layout.note_cell(cell.column.staff, cell.string, cell.column.measure, cell.column.note);
    return rect.topLeft() + kEntryMiddle;
}

SymbolPlaces::SymbolPlaces(const QImage& page, const QImage& blank, const PageNotes& notes)
    : width_(page.width()),
      height_(page.height()),
      near_(std::size_t(width_) * std::size_t(height_), 0),
      layout_(notes.layout) {
    const QImage a = page.convertToFormat(QImage::Format_RGB32);
    const QImage b = blank.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* bare = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < width_; ++x) {
            if (!dark(row[x]) || dark(bare[x])) continue;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (x + dx >= 0 && x + dx < width_ && y + dy >= 0 && y + dy < height_)
                        near_[std::size_t(y + dy) * std::size_t(width_) + std::size_t(x + dx)] = 1;
        }
    }
    for (const Note& note : notes.notes) middles_.push_back(entry_middle(layout_, note.place));
}

bool SymbolPlaces::near_mark(int x, int y) const {
    return near_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] != 0;
}

void SymbolPlaces::mark_ink(const std::vector<QPoint>& ink, QPoint top_left) {
    for (const QPoint& p : ink) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const int x = top_left.x() + p.x() + dx;
                const int y = top_left.y() + p.y() + dy;
                if (x >= 0 && x < width_ && y >= 0 && y < height_)
                    near_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = 1;
            }
        }
    }
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
        if (top_left.x() < 0 || top_left.y() < 0 || top_left.x() + size.width() > width_ ||
            top_left.y() + size.height() > height_)
            continue;
        const double own = std::hypot(offset.x(), offset.y());
        const bool nearest = std::all_of(others.begin(), others.end(), [&](const QPoint& m) {
            return std::hypot(m.x() - middle.x(), m.y() - middle.y()) > own + 1.0;
        });
        if (!nearest) continue;
        int touching = 0;
        for (const QPoint& p : ink) {
            touching += near_mark(top_left.x() + p.x(), top_left.y() + p.y());
            if (best_touching >= 0 && touching >= best_touching) break;
        }
        if (best_touching < 0 || touching < best_touching) {
            best = middle;
            best_touching = touching;
            if (touching == 0) break;
        }
    }
    mark_ink(ink, best - QPoint(size.width() / 2, size.height() / 2));
    return best;
}

}  // namespace strumix
