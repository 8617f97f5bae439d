#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <vector>

namespace strumix {

// The page's ink next to the blank page of its layout: a mark is ink the blank page does not
// have (what was written, stamped and drawn on it), and each mark is explained, in the end, by
// one of the things the tools put on pages. Out of the page everything reads as white.
class InkMap {
public:
    InkMap(const QImage& page, const QImage& blank);

    int width() const { return width_; }
    int height() const { return height_; }
    QRect rect() const { return QRect(0, 0, width_, height_); }
    const QImage& page() const { return page_; }
    // Page ink, whatever drew it.
    bool ink(int x, int y) const;
    bool ink(QPoint p) const { return ink(p.x(), p.y()); }
    bool mark(int x, int y) const { return state(x, y) & kMark; }
    // Ink of the blank page that the page lacks: it is not a page of this layout there.
    bool missing(int x, int y) const { return state(x, y) & kMissing; }
    bool explained(int x, int y) const { return state(x, y) & kExplained; }
    void explain(int x, int y) {
        if (rect().contains(x, y)) state_[index(x, y)] |= kExplained;
    }
    // A mark nothing has explained yet.
    bool leftover(int x, int y) const { return (state(x, y) & (kMark | kExplained)) == kMark; }

    // The rows that hold any mark, or any blank ink the page lacks.
    const std::vector<int>& marked_rows() const { return marked_rows_; }
    bool row_marked(int y) const { return y >= 0 && y < height_ && row_marked_[std::size_t(y)]; }
    // The marks, page ink, or leftover marks of `count` (at most 32) pixels from (x, y) as bits,
    // the lowest for the leftmost.
    std::uint32_t mark_bits(int x, int y, int count) const {
        return bits(x, y, count, kMark, kMark);
    }
    std::uint32_t leftover_bits(int x, int y, int count) const {
        return bits(x, y, count, kMark | kExplained, kMark);
    }
    std::uint32_t explained_bits(int x, int y, int count) const {
        return bits(x, y, count, kExplained, kExplained);
    }
    std::uint32_t ink_bits(int x, int y, int count) const;
    // Blank ink the page lacks, in reading order.
    std::vector<QPoint> missing_points() const;
    // Every leftover mark, in reading order.
    std::vector<QPoint> leftovers() const;

private:
    static constexpr std::uint8_t kMark = 1;
    static constexpr std::uint8_t kMissing = 2;
    static constexpr std::uint8_t kExplained = 4;

    std::uint32_t bits(int x, int y, int count, std::uint8_t mask, std::uint8_t wanted) const;
    std::size_t index(int x, int y) const { return std::size_t(y) * std::size_t(width_) + x; }
    std::uint8_t state(int x, int y) const {
        return rect().contains(x, y) ? state_[index(x, y)] : 0;
    }

    const QImage& page_;
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> state_;
    std::vector<int> marked_rows_;
    std::vector<bool> row_marked_;
};

}  // namespace strumix
