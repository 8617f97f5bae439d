#include "notes_drawing/page_marks.h"

#include <algorithm>
#include <cstring>

#include "page/page_ink.h"

namespace strumix {

PageMarks::PageMarks(const QImage& page, const QImage& blank)
    : blank_(blank.convertToFormat(QImage::Format_RGB32)),
      width_(blank.width()),
      height_(blank.height()),
      marks_(std::size_t(width_) * std::size_t(height_), 0),
      near_(marks_.size(), 0) {
    drawn(page, blank_.rect());
}

void PageMarks::drawn(const QImage& page, const QRect& rect) {
    const QImage image = page.convertToFormat(QImage::Format_RGB32);
    const QRect r = rect & blank_.rect() & image.rect();
    if (r.isEmpty()) return;
    const std::size_t row_bytes = std::size_t(r.width()) * sizeof(QRgb);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y)) + r.left();
        const auto* bare = reinterpret_cast<const QRgb*>(blank_.constScanLine(y)) + r.left();
        // Most rows of a page hold nothing beyond its blank lines.
        if (std::memcmp(row, bare, row_bytes) == 0) continue;
        for (int i = 0; i < r.width(); ++i)
            if (row[i] != bare[i] && is_ink(row[i]) && !is_ink(bare[i])) set_mark(r.left() + i, y);
    }
}

void PageMarks::add(const std::vector<QPoint>& ink, QPoint top_left) {
    for (const QPoint& p : ink)
        if (inside(top_left.x() + p.x(), top_left.y() + p.y()))
            set_mark(top_left.x() + p.x(), top_left.y() + p.y());
}

void PageMarks::set_mark(int x, int y) {
    if (marks_[index(x, y)]) return;
    marks_[index(x, y)] = 1;
    for (int ny = std::max(0, y - 1); ny <= std::min(height_ - 1, y + 1); ++ny)
        for (int nx = std::max(0, x - 1); nx <= std::min(width_ - 1, x + 1); ++nx)
            near_[index(nx, ny)] = 1;
}

}  // namespace strumix
