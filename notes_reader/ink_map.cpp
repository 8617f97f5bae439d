#include "notes_reader/ink_map.h"

#include <cstring>

#include "page/page_ink.h"

namespace strumix {

InkMap::InkMap(const QImage& page, const QImage& blank)
    : page_(page),
      width_(page.width()),
      height_(page.height()),
      state_(std::size_t(width_) * std::size_t(height_), 0),
      row_marked_(std::size_t(height_), false) {
    for (int y = 0; y < height_; ++y) {
        const auto* written = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        const auto* drawn = reinterpret_cast<const QRgb*>(blank.constScanLine(y));
        // Most rows of most pages are the blank page's to the pixel.
        if (std::memcmp(written, drawn, std::size_t(width_) * sizeof(QRgb)) == 0) continue;
        bool any = false;
        std::uint8_t* row = state_.data() + index(0, y);
        for (int x = 0; x < width_; ++x) {
            if (written[x] == drawn[x]) continue;
            const bool on_page = is_ink(written[x]);
            const bool on_blank = is_ink(drawn[x]);
            if (on_page && !on_blank) row[x] = kMark;
            if (!on_page && on_blank) row[x] = kMissing;
            any = any || row[x];
        }
        if (any) {
            marked_rows_.push_back(y);
            row_marked_[std::size_t(y)] = true;
        }
    }
}

bool InkMap::ink(int x, int y) const {
    if (!rect().contains(x, y)) return false;
    return is_ink(reinterpret_cast<const QRgb*>(page_.constScanLine(y))[x]);
}

std::uint32_t InkMap::bits(int x, int y, int count, std::uint8_t mask, std::uint8_t wanted) const {
    if (!row_marked(y)) return 0;
    std::uint32_t bits = 0;
    const std::uint8_t* row = state_.data() + index(0, y);
    for (int i = 0; i < count; ++i) {
        const int at = x + i;
        if (at >= 0 && at < width_ && (row[at] & mask) == wanted) bits |= 1u << i;
    }
    return bits;
}

std::uint32_t InkMap::ink_bits(int x, int y, int count) const {
    if (y < 0 || y >= height_) return 0;
    const auto* row = reinterpret_cast<const QRgb*>(page_.constScanLine(y));
    std::uint32_t bits = 0;
    for (int i = 0; i < count; ++i) {
        const int at = x + i;
        if (at >= 0 && at < width_ && is_ink(row[at])) bits |= 1u << i;
    }
    return bits;
}

std::vector<QPoint> InkMap::leftovers() const {
    std::vector<QPoint> points;
    for (int y : marked_rows_) {
        const std::uint8_t* row = state_.data() + index(0, y);
        for (int x = 0; x < width_; ++x)
            if ((row[x] & (kMark | kExplained)) == kMark) points.emplace_back(x, y);
    }
    return points;
}

std::vector<QPoint> InkMap::missing_points() const {
    std::vector<QPoint> points;
    for (int y : marked_rows_) {
        const std::uint8_t* row = state_.data() + index(0, y);
        for (int x = 0; x < width_; ++x)
            if (row[x] & kMissing) points.emplace_back(x, y);
    }
    return points;
}

}  // namespace strumix
