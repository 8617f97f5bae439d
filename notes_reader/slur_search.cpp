// The slurs' half of the mark search: arcs and slide lines between two notes of one string,
// and the letters above them.
#include <QImage>
#include <algorithm>
#include <cmath>
#include <set>
#include <unordered_set>

#include "notes_reader/mark_search.h"
#include "notes_reader/mark_search_detail.h"
#include "page/slur_geometry.h"
#include "page/text_reader.h"

namespace strumix {

using namespace mark_search_detail;
using Kind = FoundMark::Kind;

namespace {

// The exact ink of a slur's arc pressed at pixel `press` and released at x `release_x`, as the
// slur tools draw it in twips.
Shape exact_arc(QPoint press, int release_x) {
    const QRect area(press.x() - 4, press.y() - 48, release_x - press.x() + 8, 96);
    const QPoint shift = -area.topLeft();
    const SlurArc arc =
        slur_arc((press.x() + shift.x()) * kTwipsPerPixel, (press.y() + shift.y()) * kTwipsPerPixel,
                 (release_x + shift.x()) * kTwipsPerPixel);
    return drawn_on_page(area, [&](PageDrawing& d) { draw_slur_arc(d, arc, PageUnit::Twips); });
}

// The exact ink of a slide's line from `from` to `to`.
Shape exact_line(QPoint from, QPoint to) {
    const QRect area = QRect(from, to).normalized().adjusted(-2, -2, 2, 2);
    return drawn_on_page(
        area, [&](PageDrawing& d) { d.line(from - area.topLeft(), to - area.topLeft()); });
}

}  // namespace

std::vector<FoundMark> MarkSearch::slur_letters(FoundMark& slur, int arc_y) {
    // The letter stands 300 twips above where the arc is drawn, left of its middle; where the
    // slur's ends hide in the numbers' ink its middle is known to a pixel or two.
    const int mid_x = slur_arc(slur.at.x() * kTwipsPerPixel, 0, slur.to.x() * kTwipsPerPixel).mid_x;
    int best = 0;
    int best_off = 0;
    int best_index = -1;
    QPoint best_at;
    int letters_fitting = 0;
    for (int index = 0; index < int(kSlurLetters.size()); ++index) {
        bool fitting = false;
        const QPoint expected = pixel_at(slur_letter_left(index, mid_x),
                                         slur_letter_row(arc_y * kTwipsPerPixel), PageUnit::Twips);
        const Shape& shape = slur_letter_shape(index);
        const int reach_x = index == kHammerPullIndex ? kHammerPullReachX : kLetterReachX;
        slur.letter_zone |= shape.bounds.translated(expected).adjusted(-reach_x, -kLetterReachY,
                                                                       reach_x, kLetterReachY);
        for (int dy = -kLetterReachY; dy <= kLetterReachY; ++dy) {
            for (int dx = -reach_x; dx <= reach_x; ++dx) {
                const QPoint at = expected + QPoint(dx, dy);
                if (!fits(shape, at)) continue;
                const int covered = covers(shape, at);
                fitting = fitting || covered >= 3;
                const int off = std::abs(dx) + std::abs(dy);
                if (covered > best || (covered == best && off < best_off)) {
                    best = covered;
                    best_off = off;
                    best_index = index;
                    best_at = at;
                }
            }
        }
        letters_fitting += fitting;
    }
    // Two letters that both fit, over a number or another letter, leave the slur unread.
    if (best < 3 || letters_fitting > 1) return {};
    slur.letter_zone = QRect();
    return {take(Kind::Letter, best_index, best_at, slur_letter_shape(best_index))};
}

std::vector<std::pair<int, int>> MarkSearch::end_ranges(const QRect& area) const {
    std::vector<std::pair<int, int>> ranges;
    for (int left : places_.column_lefts) {
        const int from = left - kEndReachLeft;
        const int to = left + kEndReachRight;
        if (to >= area.left() - 2 && from <= area.right() + 2) ranges.emplace_back(from, to);
    }
    return ranges;
}

std::vector<int> MarkSearch::lines_near(const QRect& area) const {
    std::vector<int> lines;
    for (int y : places_.string_lines)
        if (y + kPressBelow >= area.top() - kArcRise && y - kPressAbove <= area.bottom())
            lines.push_back(y);
    return lines;
}

namespace {

// The best of one kind of slur mark seen so far: how many leftover marks it explains, its ink
// placed on the page, and its press and release.
struct SlurCandidate {
    int covered = 0;
    Shape shape;
    QPoint from;
    QPoint to;
    // The note columns (by the left of their reach) at the ends of every candidate that
    // explains as much between the entries: more than one where an end hides in a string's
    // line or a number's ink.
    int between = 0;
    std::set<int> starts;
    std::set<int> finishes;
    bool found() const { return covered > 0; }
    int span() const { return to.x() - from.x(); }
};

}  // namespace

bool MarkSearch::written_at(int reach_left, int line) const {
    const int left = reach_left + kEndReachLeft;
    for (int y = line - 5; y < line + 3; ++y)
        if (map_.mark_bits(left, y, 13)) return true;
    return false;
}

bool MarkSearch::end_may_hide(QPoint kept, QPoint end, int covered) const {
    int line = places_.string_lines.front();
    for (int y : places_.string_lines)
        if (std::abs(y - end.y()) < std::abs(line - end.y())) line = y;
    const int way = end.x() > kept.x() ? 1 : -1;
    for (int left : places_.column_lefts) {
        const int from = left - kEndReachLeft;
        const int to = left + kEndReachRight;
        if ((way > 0 ? from <= end.x() : to >= end.x()) || !written_at(from, line)) continue;
        for (int y = line - kPressAbove; y <= line + kPressBelow; ++y) {
            for (int x = from; x <= to; ++x) {
                const QPoint hidden(x, y);
                if (!map_.ink(hidden) || std::abs(y - kept.y()) * 2 > std::abs(x - kept.x()))
                    continue;
                const QPoint a = way > 0 ? kept : hidden;
                const QPoint b = way > 0 ? hidden : kept;
                bool all_ink = true;
                for (int px = a.x(); px <= b.x() && all_ink; ++px) {
                    const int py =
                        a.y() +
                        int(std::lround(double(b.y() - a.y()) * (px - a.x()) / (b.x() - a.x())));
                    all_ink = map_.ink(px, py) || map_.ink(px, py - 1) || map_.ink(px, py + 1);
                }
                if (!all_ink) continue;
                const Shape shape = exact_line(a, b);
                if (fits(shape, QPoint()) && covers(shape, QPoint()) >= covered) return true;
            }
        }
    }
    return false;
}

std::optional<FoundMark> MarkSearch::best_slur(const QRect& area) {
    const std::vector<std::pair<int, int>> all_ranges = end_ranges(area);
    const std::vector<int> lines = lines_near(area);
    if (all_ranges.size() < 2 || lines.empty()) return std::nullopt;
    auto written = [this](const std::pair<int, int>& range, int line) {
        return written_at(range.first, line);
    };
    SlurCandidate arc;
    SlurCandidate line_found;
    auto consider = [this](SlurCandidate& best, const Shape& shape, QPoint at, QPoint from,
                           QPoint to, std::pair<int, int> columns) {
        if (!fits(shape, at)) return;
        const int covered = covers(shape, at);
        // Within the entries a slur's ink may be the numbers' own; what it explains between
        // them tells where it runs. Those that explain as much there may end by other notes.
        const int between = between_entries(shape, at).first;
        if (between > best.between) {
            best.between = between;
            best.starts.clear();
            best.finishes.clear();
        }
        if (between > 0 && between == best.between) {
            best.starts.insert(columns.first);
            best.finishes.insert(columns.second);
        }
        // Where the ends are hidden in the numbers' ink, the longest of the equals reaches them.
        if (covered < best.covered || (covered == best.covered && to.x() - from.x() <= best.span()))
            return;
        best.covered = covered;
        best.shape = shape;
        if (at != QPoint()) {
            for (QPoint& p : best.shape.ink) p += at;
            best.shape.bounds.translate(at);
        }
        best.from = from;
        best.to = to;
    };
    for (int line : lines) {
        std::vector<std::pair<int, int>> ranges;
        for (const auto& range : all_ranges)
            if (written(range, line)) ranges.push_back(range);
        for (std::size_t a = 0; a < ranges.size(); ++a) {
            for (std::size_t b = a + 1; b < ranges.size(); ++b) {
                for (int sx = ranges[a].first; sx <= ranges[a].second; ++sx) {
                    for (int ex = std::max(ranges[b].first, sx + kShortestSlur);
                         ex <= ranges[b].second; ++ex) {
                        const Shape& shape = arc_shape(ex - sx);
                        if (shape.ink.empty()) continue;
                        for (int sy = line - kPressAbove; sy <= line + kPressBelow; ++sy)
                            consider(arc, shape, QPoint(sx, sy), QPoint(sx, sy), QPoint(ex, sy),
                                     {ranges[a].first, ranges[b].first});
                    }
                }
                for (int sy = line - kPressAbove; sy <= line + kPressBelow; ++sy) {
                    for (int ey = line - kPressAbove; ey <= line + kPressBelow; ++ey) {
                        for (int sx = ranges[a].first; sx <= ranges[a].second; ++sx) {
                            for (int ex = std::max(ranges[b].first, sx + kShortestLine);
                                 ex <= ranges[b].second; ++ex) {
                                const QPoint from(sx, sy);
                                const QPoint to(ex, ey);
                                // A slide runs from one note to another along the string.
                                if (std::abs(ey - sy) * 2 > ex - sx) continue;
                                if (!map_.ink(from) || !map_.ink(to)) continue;
                                // Quick looks along it before the line is drawn: ink all
                                // along, and some of it not yet explained.
                                bool all_ink = true;
                                int leftover = 0;
                                for (int x = sx; x <= ex && all_ink; ++x) {
                                    const int y =
                                        sy +
                                        int(std::lround(double(ey - sy) * (x - sx) / (ex - sx)));
                                    all_ink =
                                        map_.ink(x, y) || map_.ink(x, y - 1) || map_.ink(x, y + 1);
                                    leftover += map_.leftover(x, y);
                                }
                                if (!all_ink || leftover < 3) continue;
                                consider(line_found, exact_line(from, to), QPoint(), from, to,
                                         {ranges[a].first, ranges[b].first});
                            }
                        }
                    }
                }
            }
        }
    }
    if (arc.found()) {
        // The shape is the arc's at the press, which moves with it by whole pixels; what is
        // taken is the arc as the tool draws it there.
        arc.shape = exact_arc(arc.from, arc.to.x());
        if (!fits(arc.shape, QPoint()))
            arc = SlurCandidate();
        else
            arc.covered = covers(arc.shape, QPoint());
    }
    // A slide's straight line, where it explains more than any arc.
    const bool take_line = line_found.covered > arc.covered ||
                           (line_found.covered == arc.covered && line_found.span() > arc.span());
    SlurCandidate& best = take_line ? line_found : arc;
    const SlurCandidate& other = take_line ? arc : line_found;
    if (!best.found()) return std::nullopt;
    // Of its pixels that are marks (not lying on the blank page's lines), most are explained by
    // it alone; the same holds between the entries it joins, where its ink is not the numbers'.
    const auto [covered_between, marked_between] = between_entries(best.shape, QPoint());
    if (best.covered < 4 || best.covered * 2 < marks(best.shape, QPoint()) ||
        covered_between < kBetweenEntries || covered_between * 2 < marked_between)
        return std::nullopt;
    FoundMark slur;
    slur.kind = take_line ? Kind::Line : Kind::Arc;
    slur.at = best.from;
    slur.to = best.to;
    slur.unsure_start = best.starts.size() > 1;
    slur.unsure_end = best.finishes.size() > 1;
    if (take_line) {
        // The line may run on, hidden in the string's line, to a note beyond those it reaches.
        slur.unsure_start = slur.unsure_start || end_may_hide(best.to, best.from, best.covered);
        slur.unsure_end = slur.unsure_end || end_may_hide(best.from, best.to, best.covered);
    }
    // A flat arc and a nearly level line can ink the same pixels: then which was drawn is not
    // known.
    if (other.found()) {
        std::unordered_set<std::int64_t> ink;
        for (const QPoint& p : other.shape.ink) ink.insert(key(0, p));
        int shared = 0;
        for (const QPoint& p : best.shape.ink)
            shared += map_.leftover(p.x(), p.y()) && ink.count(key(0, p));
        slur.either_kind = best.covered - shared <= 1 && other.covered - shared <= 1;
        // A line that explains as much as the arc, but other pixels of it, may be a slide's
        // drawn with a shorter arc: what is left of either is then read as something else.
        slur.either_kind = slur.either_kind || (!take_line && other.covered == best.covered);
    }
    slur.ink = std::move(best.shape.ink);
    return slur;
}

std::vector<FoundMark> MarkSearch::slurs() {
    std::vector<FoundMark> found;
    for (;;) {
        // The leftover parts that lie together, as an arc crossing a string's line leaves them.
        std::vector<QRect> areas;
        for (const std::vector<QPoint>& part : leftover_parts()) {
            QRect box;
            for (const QPoint& p : part) box |= QRect(p, QSize(1, 1));
            areas.push_back(box);
        }
        for (bool merged = true; merged;) {
            merged = false;
            for (std::size_t i = 0; i < areas.size() && !merged; ++i)
                for (std::size_t j = i + 1; j < areas.size() && !merged; ++j)
                    // A flat arc runs along a string's line for stretches, where its ink is the
                    // line's: what lies along one string, a column step apart, goes together.
                    if (areas[i].adjusted(-kColumnStep, -2, kColumnStep, 2).intersects(areas[j])) {
                        areas[i] |= areas[j];
                        areas.erase(areas.begin() + std::ptrdiff_t(j));
                        merged = true;
                    }
        }
        // The slur that explains the most, taken first with its letter, so that nothing of it
        // is left to be taken for the pieces of another.
        std::optional<FoundMark> best;
        int best_covered = 0;
        for (const QRect& area : areas) {
            std::optional<FoundMark> slur = best_slur(area);
            if (!slur) continue;
            Shape shape;
            for (const QPoint& p : slur->ink) shape.add(p);
            const int covered = covers(shape, QPoint());
            if (covered > best_covered) {
                best_covered = covered;
                best = std::move(slur);
            }
        }
        if (!best) return found;
        Shape shape;
        for (const QPoint& p : best->ink) shape.add(p);
        FoundMark slur = take(best->kind, 0, QPoint(), shape);
        slur.at = best->at;
        slur.to = best->to;
        slur.either_kind = best->either_kind;
        slur.unsure_start = best->unsure_start;
        slur.unsure_end = best->unsure_end;
        // With a line drawn, the arc and the letter are drawn from the release's height.
        const int arc_y = slur.kind == Kind::Line ? slur.to.y() : slur.at.y();
        const std::vector<FoundMark> letter = slur_letters(slur, arc_y);
        found.push_back(std::move(slur));
        found.insert(found.end(), letter.begin(), letter.end());
    }
}

}  // namespace strumix
