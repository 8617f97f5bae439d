#include "notes_reader/cell_reading.h"

#include <algorithm>
#include <cmath>

namespace strumix {

namespace {

// Where an entry's ink lies in its cell, from the cell's top-left corner.
constexpr int kInkLeft = 0;
constexpr int kInkRight = 13;
constexpr int kInkTop = 3;
constexpr int kInkBottom = 11;

bool subset(const EntryBits& a, const EntryBits& b) {
    for (std::size_t r = 0; r < a.size(); ++r)
        if (a[r] & ~b[r]) return false;
    return true;
}

bool empty(const EntryBits& bits) {
    return std::all_of(bits.begin(), bits.end(), [](std::uint32_t row) { return row == 0; });
}

}  // namespace

CellGrid::CellGrid(const LayoutModel& layout) : layout_(layout) {
    const QSize size = layout.page_size_pixels();
    entry_columns_.assign(std::size_t(std::max(0, size.width())), false);
    entry_rows_.assign(std::size_t(std::max(0, size.height())), false);
    for (int j = 0; j < layout.measures_across; ++j)
        for (int k = 0; k < layout.notes_per_measure; ++k)
            for (int x = kInkLeft; x < kInkRight; ++x) {
                const int at = layout.note_column(j, k) * kColumnPixels + x;
                if (at >= 0 && at < size.width()) entry_columns_[std::size_t(at)] = true;
            }
    for (int i = 0; i < layout.num_lines; ++i)
        for (int s = 0; s < layout.num_strings(i); ++s)
            for (int y = kInkTop; y < kInkBottom; ++y) {
                const int at = layout.string_row(i, s) * kRowPixels + y;
                if (at >= 0 && at < size.height()) entry_rows_[std::size_t(at)] = true;
            }
}

QPoint CellGrid::origin(const CellPlace& place) const {
    return QPoint(layout_.note_column(place.column.measure, place.column.note) * kColumnPixels,
                  layout_.string_row(place.column.staff, place.string) * kRowPixels);
}

QRect CellGrid::cell_rect(const CellPlace& place) const {
    return QRect(origin(place) + QPoint(kEntryLeft, 0), QSize(kEntryWidth, kRowPixels));
}

EntryBits CellGrid::window_bits(const InkMap& map, QPoint at, bool leftover_only) const {
    EntryBits bits{};
    for (int r = 0; r < kEntryRows; ++r) {
        const int x = at.x() + kEntryLeft;
        const int y = at.y() + kEntryTop + r;
        bits[std::size_t(r)] =
            leftover_only ? map.leftover_bits(x, y, kEntryWidth) : map.mark_bits(x, y, kEntryWidth);
    }
    return bits;
}

std::vector<CellRead> CellGrid::settle(InkMap& map) const {
    std::vector<CellRead> cells;
    for (int i = 0; i < layout_.num_lines; ++i) {
        for (int j = 0; j < layout_.measures_across; ++j) {
            for (int k = 0; k < layout_.notes_per_measure; ++k) {
                for (int s = 0; s < layout_.num_strings(i); ++s) {
                    CellRead cell;
                    cell.place = CellPlace{ColumnPlace{i, j, k}, s};
                    cell.origin = origin(cell.place);
                    const EntryBits marks = window_bits(map, cell.origin, false);
                    if (!empty(marks)) {
                        cell.entry = entry_with_visible_ink(marks);
                        cell.settled = cell.entry != nullptr;
                        cell.outcome = cell.settled ? CellOutcome::Read : CellOutcome::Unexplained;
                        if (cell.settled) {
                            for (const QPoint& p : cell.entry->shape.ink)
                                map.explain(cell.origin.x() + p.x(), cell.origin.y() + p.y());
                        }
                    }
                    cells.push_back(cell);
                }
            }
        }
    }
    return cells;
}

void CellGrid::resolve(InkMap& map, const MarkSearch& search, const std::vector<FoundMark>& found,
                       std::vector<CellRead>& cells) const {
    for (CellRead& cell : cells) {
        if (cell.settled) continue;
        EntryBits marks{};
        EntryBits hidden{};
        EntryBits ink{};
        bool any = false;
        for (int r = 0; r < kEntryRows; ++r) {
            const int x = cell.origin.x() + kEntryLeft;
            const int y = cell.origin.y() + kEntryTop + r;
            marks[std::size_t(r)] = map.mark_bits(x, y, kEntryWidth);
            hidden[std::size_t(r)] = map.explained_bits(x, y, kEntryWidth);
            ink[std::size_t(r)] = map.ink_bits(x, y, kEntryWidth);
            any = any || marks[std::size_t(r)];
        }
        if (!any) continue;
        // Every entry whose ink is all there and which, with what the rest explains, explains
        // every mark of the cell; nothing written at all is one of them when the rest explains
        // every mark.
        int fitting = 0;
        const EntryShape* entry = nullptr;
        EntryBits unexplained{};
        for (std::size_t r = 0; r < marks.size(); ++r) unexplained[r] = marks[r] & ~hidden[r];
        if (empty(unexplained)) ++fitting;
        for (const EntryShape& shape : entry_shapes()) {
            const EntryBits& bits = entry_bits(shape);
            if (!subset(bits, ink) || !subset(unexplained, bits)) continue;
            ++fitting;
            entry = &shape;
        }
        if (fitting == 0) {
            cell.outcome = CellOutcome::Unexplained;
        } else if (fitting > 1) {
            cell.outcome = CellOutcome::Ambiguous;
        } else {
            cell.entry = entry;
            cell.outcome = entry ? CellOutcome::Read : CellOutcome::Empty;
        }
    }
    for (CellRead& cell : cells) {
        if (cell.outcome != CellOutcome::Read) continue;
        cell.harmonic = std::any_of(found.begin(), found.end(), [&](const FoundMark& mark) {
            return mark.kind == FoundMark::Kind::Diamond && mark.at == cell.origin;
        });
        if (!cell.harmonic && search.fits(diamond_shape(), cell.origin)) {
            cell.outcome = CellOutcome::HiddenHarmonic;
            continue;
        }
        if (!cell.settled) {
            for (const QPoint& p : cell.entry->shape.ink)
                map.explain(cell.origin.x() + p.x(), cell.origin.y() + p.y());
        }
    }
}

bool CellGrid::in_entry(int x, int y) const {
    return x >= 0 && y >= 0 && std::size_t(x) < entry_columns_.size() &&
           std::size_t(y) < entry_rows_.size() && entry_columns_[std::size_t(x)] &&
           entry_rows_[std::size_t(y)];
}

NotePlaces CellGrid::note_places() const {
    NotePlaces places;
    for (int j = 0; j < layout_.measures_across; ++j)
        for (int k = 0; k < layout_.notes_per_measure; ++k)
            places.column_lefts.push_back(layout_.note_column(j, k) * kColumnPixels);
    for (int i = 0; i < layout_.num_lines; ++i)
        for (int s = 0; s < layout_.num_strings(i); ++s)
            places.string_lines.push_back(layout_.string_line_y_pixels(i, s));
    places.in_entry = [this](int x, int y) { return in_entry(x, y); };
    return places;
}

std::vector<QPoint> CellGrid::cells_near_leftovers(const InkMap& map) const {
    std::vector<QPoint> found;
    const QRect bounds = diamond_shape().bounds;
    for (int i = 0; i < layout_.num_lines; ++i)
        for (int j = 0; j < layout_.measures_across; ++j)
            for (int k = 0; k < layout_.notes_per_measure; ++k)
                for (int s = 0; s < layout_.num_strings(i); ++s) {
                    const QRect area = bounds.translated(origin({{i, j, k}, s}));
                    bool any = false;
                    for (int y = area.top(); y <= area.bottom() && !any; ++y)
                        any = map.leftover_bits(area.left(), y, area.width()) != 0;
                    if (any) found.push_back(area.topLeft() - bounds.topLeft());
                }
    return found;
}

std::optional<std::pair<int, int>> CellGrid::string_near(int y) const {
    std::optional<std::pair<int, int>> best;
    int best_distance = kRowPixels / 2 + 1;
    for (int i = 0; i < layout_.num_lines; ++i)
        for (int s = 0; s < layout_.num_strings(i); ++s) {
            const int distance = std::abs(layout_.string_line_y_pixels(i, s) - y);
            if (distance < best_distance) {
                best_distance = distance;
                best = std::pair(i, s);
            }
        }
    return best;
}

std::optional<ColumnPlace> CellGrid::column_near(int staff, int x) const {
    std::optional<ColumnPlace> best;
    int best_distance = 3 * kColumnPixels / 2 + 1;
    for (int j = 0; j < layout_.measures_across; ++j)
        for (int k = 0; k < layout_.notes_per_measure; ++k) {
            const int middle = layout_.note_column(j, k) * kColumnPixels + kEntryMiddle.x();
            const int distance = std::abs(middle - x);
            if (distance < best_distance) {
                best_distance = distance;
                best = ColumnPlace{staff, j, k};
            }
        }
    return best;
}

std::optional<CellPlace> CellGrid::entry_near(const std::vector<CellRead>& cells, QPoint at,
                                              int reach) const {
    std::optional<CellPlace> best;
    double best_distance = reach + 0.5;
    for (const CellRead& cell : cells) {
        if (cell.outcome == CellOutcome::Empty) continue;
        const QPoint middle = cell.origin + kEntryMiddle;
        const double distance = std::hypot(middle.x() - at.x(), middle.y() - at.y());
        if (distance < best_distance) {
            best_distance = distance;
            best = cell.place;
        }
    }
    return best;
}

std::vector<QRect> CellGrid::unexplained_areas(const InkMap& map) const {
    std::vector<QRect> areas;
    auto grouped = [&areas](const std::vector<QPoint>& points) {
        // Points within a few pixels of each other make one area.
        std::vector<QRect> rects;
        for (const QPoint& p : points) {
            const QRect pixel(p, QSize(1, 1));
            auto near = std::find_if(rects.begin(), rects.end(), [&](const QRect& r) {
                return r.adjusted(-3, -3, 3, 3).intersects(pixel);
            });
            if (near == rects.end()) {
                rects.push_back(pixel);
            } else {
                *near |= pixel;
            }
        }
        areas.insert(areas.end(), rects.begin(), rects.end());
    };
    grouped(map.leftovers());
    grouped(map.missing_points());
    return areas;
}

}  // namespace strumix
