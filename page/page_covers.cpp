#include "page/page_covers.h"

#include <QPainter>
#include <QVector>
#include <algorithm>

#include "page/glyphs.h"
#include "page/page_ink.h"
#include "page/slur_geometry.h"
#include "page/text_reader.h"

namespace strumix {

namespace {

struct Stamp {
    QVector<QPoint> ink;
    QRect bounds;
};

Stamp stamp_of(QVector<QPoint> ink) {
    Stamp stamp;
    for (const QPoint& p : ink) stamp.bounds |= QRect(p, QSize(1, 1));
    stamp.ink = std::move(ink);
    return stamp;
}

// Each symbol as it is stamped (its black, laid on white), and each slur letter as printed.
const std::vector<Stamp>& stamps() {
    static const std::vector<Stamp> all = [] {
        std::vector<Stamp> list;
        for (const QImage& symbol : Glyphs::get().pic_bend) {
            QImage flat(symbol.size(), QImage::Format_RGB32);
            flat.fill(Qt::white);
            QPainter(&flat).drawImage(0, 0, symbol);
            QVector<QPoint> ink;
            for (int y = 0; y < flat.height(); ++y)
                for (int x = 0; x < flat.width(); ++x)
                    if (ink_at(flat, x, y)) ink.append(QPoint(x, y));
            list.push_back(stamp_of(std::move(ink)));
        }
        for (const char* letters : kSlurLetters)
            list.push_back(stamp_of(printed_ink(QString::fromLatin1(letters), false)));
        return list;
    }();
    return all;
}

}  // namespace

PageCovers::PageCovers(const QImage& page, const QRect& area)
    : area_(area & page.rect()),
      mask_(std::size_t(std::max(0, area_.width() * area_.height())), 0) {
    if (area_.isEmpty()) return;
    auto black = [&page](int x, int y) { return ink_at(page, x, y); };
    for (const Stamp& stamp : stamps()) {
        if (stamp.ink.isEmpty()) continue;
        // Every place the stamp's bounds meet the area.
        for (int dy = area_.top() - stamp.bounds.bottom();
             dy <= area_.bottom() - stamp.bounds.top(); ++dy) {
            for (int dx = area_.left() - stamp.bounds.right();
                 dx <= area_.right() - stamp.bounds.left(); ++dx) {
                auto fits = [&](int at_x) {
                    return std::all_of(stamp.ink.begin(), stamp.ink.end(),
                                       [&](QPoint p) { return black(at_x + p.x(), dy + p.y()); });
                };
                // Bold is the regular page font printed twice, a column apart: a stamp that
                // fits a column to either side as well lies inside heavier ink, not on the page.
                if (!fits(dx) || fits(dx - 1) || fits(dx + 1)) continue;
                for (const QPoint& p : stamp.ink) {
                    const QPoint at(dx + p.x(), dy + p.y());
                    if (!area_.contains(at)) continue;
                    mask_[std::size_t((at.y() - area_.top()) * area_.width() + at.x() -
                                      area_.left())] = 1;
                    any_ = true;
                }
            }
        }
    }
}

}  // namespace strumix
