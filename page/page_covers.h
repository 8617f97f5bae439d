#pragma once

#include <QImage>
#include <QRect>
#include <vector>

namespace strumix {

// Where the stamps the tools may put anywhere on a page, the notation symbols and the letters
// printed over slurs, could lie within `area`: every pixel of every placement of a stamp whose
// ink is black all over on the page and reaches into the area. A stamp only adds ink, so the
// page's own text under one is hidden there, never changed.
class PageCovers {
public:
    PageCovers(const QImage& page, const QRect& area);

    bool any() const { return any_; }
    bool covered(int x, int y) const {
        return area_.contains(x, y) &&
               mask_[std::size_t((y - area_.top()) * area_.width() + x - area_.left())];
    }

private:
    QRect area_;
    std::vector<char> mask_;
    bool any_ = false;
};

}  // namespace strumix
