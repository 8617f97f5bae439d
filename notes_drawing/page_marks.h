#pragma once

#include <QImage>
#include <QRect>
#include <vector>

namespace strumix {

// The marks on a page as a reader of it sees them: pixels dark where the layout's blank page
// is light. Kept one byte per pixel, with the marks grown by a pixel beside them, because
// placing a slur or a symbol asks about every pixel it would ink. Marks only come and never
// go while a page is drawn.
class PageMarks {
public:
    // `page` and `blank`: the page as drawn so far and its layout's blank page, of one size.
    PageMarks(const QImage& page, const QImage& blank);

    // Takes in what was drawn on `page` within `rect`.
    void drawn(const QImage& page, const QRect& rect);
    // Counts `ink` (pixels from `top_left`) as marks from now on, without reading the page.
    void add(const std::vector<QPoint>& ink, QPoint top_left);

    int width() const { return width_; }
    int height() const { return height_; }
    bool mark(int x, int y) const { return inside(x, y) && marks_[index(x, y)] != 0; }
    // A mark at (x, y) or beside it.
    bool near(int x, int y) const { return inside(x, y) && near_[index(x, y)] != 0; }

private:
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    std::size_t index(int x, int y) const {
        return std::size_t(y) * std::size_t(width_) + std::size_t(x);
    }
    void set_mark(int x, int y);

    QImage blank_;
    int width_;
    int height_;
    std::vector<unsigned char> marks_;
    std::vector<unsigned char> near_;
};

}  // namespace strumix
