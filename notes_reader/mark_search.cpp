#include "notes_reader/mark_search.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <set>
#include <unordered_set>

#include "notes_reader/mark_search_detail.h"
#include "page/text_reader.h"

namespace strumix {

using namespace mark_search_detail;

namespace {

using Kind = FoundMark::Kind;

// The rows a title's underline is drawn on, from the top of its text.
const std::vector<int>& underline_rows() {
    static const std::vector<int> rows = [] {
        QImage plain(60, 20, QImage::Format_RGB32);
        QImage lined(60, 20, QImage::Format_RGB32);
        plain.fill(Qt::white);
        lined.fill(Qt::white);
        {
            PageDrawing a(plain);
            a.text(QPoint(2, 0), QStringLiteral("MM"), {.bold = true});
            PageDrawing b(lined);
            b.text(QPoint(2, 0), QStringLiteral("MM"), {.bold = true, .underline = true});
        }
        std::vector<int> found;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 60; ++x)
                if (plain.pixel(x, y) != lined.pixel(x, y)) {
                    found.push_back(y);
                    break;
                }
        return found;
    }();
    return rows;
}

}  // namespace

QRect FoundMark::bounds() const {
    QRect rect;
    for (const QPoint& p : ink) rect |= QRect(p, QSize(1, 1));
    return rect;
}

bool MarkSearch::fits(const Shape& shape, QPoint at) const {
    if (!map_.rect().contains(shape.bounds.translated(at))) return false;
    for (const QPoint& p : shape.ink)
        if (!map_.ink(p + at)) return false;
    return true;
}

std::pair<int, int> MarkSearch::between_entries(const Shape& shape, QPoint at) const {
    int covered = 0;
    int marked = 0;
    for (const QPoint& p : shape.ink) {
        const int x = p.x() + at.x();
        const int y = p.y() + at.y();
        if (places_.in_entry(x, y)) continue;
        covered += map_.leftover(x, y);
        marked += map_.mark(x, y);
    }
    return {covered, marked};
}

int MarkSearch::marks(const Shape& shape, QPoint at) const {
    int count = 0;
    for (const QPoint& p : shape.ink) count += map_.mark(p.x() + at.x(), p.y() + at.y());
    return count;
}

int MarkSearch::covers(const Shape& shape, QPoint at) const {
    int count = 0;
    for (const QPoint& p : shape.ink) count += map_.leftover(p.x() + at.x(), p.y() + at.y());
    return count;
}

FoundMark MarkSearch::take(Kind kind, int index, QPoint at, const Shape& shape) {
    FoundMark found;
    found.kind = kind;
    found.index = index;
    found.at = at;
    found.ink.reserve(shape.ink.size());
    for (const QPoint& p : shape.ink) {
        found.ink.push_back(p + at);
        map_.explain(p.x() + at.x(), p.y() + at.y());
    }
    return found;
}

std::vector<std::vector<QPoint>> MarkSearch::leftover_parts() const {
    std::vector<std::vector<QPoint>> parts;
    std::vector<QPoint> points = map_.leftovers();
    std::unordered_set<std::int64_t> seen;
    for (const QPoint& start : points) {
        if (!seen.insert(key(0, start)).second) continue;
        std::vector<QPoint> part{start};
        for (std::size_t i = 0; i < part.size(); ++i) {
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const QPoint next = part[i] + QPoint(dx, dy);
                    if (map_.leftover(next.x(), next.y()) && seen.insert(key(0, next)).second)
                        part.push_back(next);
                }
            }
        }
        parts.push_back(std::move(part));
    }
    return parts;
}

std::vector<FoundMark> MarkSearch::titles() {
    std::vector<FoundMark> found;
    bool any = false;
    for (int y = 0; y < kRowPixels && !any; ++y)
        for (int x = 0; x < map_.width() && !any; ++x) any = map_.leftover(x, y);
    if (!any) return found;
    // Printed at (1, 0) in the unit of the tool in use: a column, a pixel or a twip in.
    for (int origin : {kColumnPixels, 1, 0}) {
        const std::vector<int>& rows = underline_rows();
        const auto hidden = [&rows, origin](int x, int y) {
            return x >= origin && std::find(rows.begin(), rows.end(), y) != rows.end();
        };
        const std::optional<QString> text =
            read_free_text(map_.page(), true, 0, 0, map_.width(), origin, kMostTitle, hidden);
        if (!text) continue;
        const QRect area(0, 0, map_.width(), kRowPixels);
        const Shape shape = drawn_on_page(area, [&](PageDrawing& d) {
            d.text(QPoint(origin, 0), *text, {.bold = true, .underline = true});
        });
        if (!fits(shape, QPoint()) || covers(shape, QPoint()) == 0) continue;
        FoundMark title = take(Kind::Title, 0, QPoint(), shape);
        title.at = QPoint(origin, 0);
        title.text = *text;
        found.push_back(std::move(title));
        break;
    }
    return found;
}

std::vector<FoundMark> MarkSearch::symbols() {
    struct Candidate {
        int covered;
        int index;
        QPoint at;
    };
    std::vector<FoundMark> found;
    for (const std::vector<QPoint>& part : leftover_parts()) {
        if (part.size() < 6) continue;
        QRect box;
        for (const QPoint& p : part) box |= QRect(p, QSize(1, 1));
        std::vector<Candidate> candidates;
        for (int index = 0; index < 8; ++index) {
            const Shape& shape = symbol_shape(index);
            // Every place the stamp would reach into the part.
            for (int y = box.top() - shape.bounds.bottom(); y <= box.bottom() - shape.bounds.top();
                 ++y) {
                for (int x = box.left() - shape.bounds.right();
                     x <= box.right() - shape.bounds.left(); ++x) {
                    const QPoint at(x, y);
                    if (!fits(shape, at)) continue;
                    const int covered = covers(shape, at);
                    if (covered > 0) candidates.push_back({covered, index, at});
                }
            }
        }
        std::sort(candidates.begin(), candidates.end(),
                  [](const Candidate& a, const Candidate& b) { return a.covered > b.covered; });
        // A stamp explains a good part of itself that nothing else does, or it is only the
        // shape of one seen in ink that belongs to other things.
        auto explains_enough = [this](int index, QPoint at) {
            const Shape& shape = symbol_shape(index);
            return covers(shape, at) >= std::max(8, int(shape.ink.size()) / 4);
        };
        for (const Candidate& c : candidates) {
            if (!explains_enough(c.index, c.at)) continue;
            const Shape& shape = symbol_shape(c.index);
            std::unordered_set<std::int64_t> mine;
            for (const QPoint& p : shape.ink)
                if (map_.leftover(p.x() + c.at.x(), p.y() + c.at.y()))
                    mine.insert(key(0, p + c.at));
            // Another symbol that fits over the same marks, where the stamp lies over a number
            // or another stamp: which of the two was stamped is not known.
            const bool either =
                std::any_of(candidates.begin(), candidates.end(), [&](const Candidate& other) {
                    if (other.index == c.index || !explains_enough(other.index, other.at))
                        return false;
                    int shared = 0;
                    for (const QPoint& p : symbol_shape(other.index).ink)
                        shared += int(mine.count(key(0, p + other.at)));
                    return shared * 2 >= int(mine.size());
                });
            FoundMark symbol = take(Kind::Symbol, c.index, c.at, shape);
            symbol.either_kind = either;
            found.push_back(std::move(symbol));
        }
    }
    return found;
}

std::vector<FoundMark> MarkSearch::diamonds(const std::vector<QPoint>& cells) {
    std::vector<FoundMark> found;
    const Shape& shape = diamond_shape();
    for (const QPoint& cell : cells) {
        if (fits(shape, cell) && covers(shape, cell) >= 4)
            found.push_back(take(Kind::Diamond, 0, cell, shape));
    }
    return found;
}

}  // namespace strumix
