#include "document/page_history.h"

#include <QTimer>
#include <algorithm>
#include <cstring>

#include "page/page_copy.h"

namespace strumix {

namespace {

// The smallest rectangle within `rect` outside which `a` and `b` (of one size) are the same;
// empty when they are the same throughout. A step keeps only that much of the page.
QRect differing(const QImage& a, const QImage& b, const QRect& rect) {
    int top = -1;
    int bottom = -1;
    int left = rect.right() + 1;
    int right = rect.left() - 1;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        int x = rect.left();
        while (x <= rect.right() && ra[x] == rb[x]) ++x;
        if (x > rect.right()) continue;
        int last = rect.right();
        while (ra[last] == rb[last]) --last;
        if (top < 0) top = y;
        bottom = y;
        left = std::min(left, x);
        right = std::max(right, last);
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Lays `pixels` into the history's own picture of the page at `at`, row by row: nothing else
// draws on it, so no painter is needed.
void lay(QImage& shadow, const QImage& pixels, QPoint at) {
    const QRect rect = QRect(at, pixels.size()) & shadow.rect();
    const std::size_t bytes = std::size_t(rect.width()) * sizeof(QRgb);
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        std::memcpy(reinterpret_cast<QRgb*>(shadow.scanLine(y)) + rect.left(),
                    reinterpret_cast<const QRgb*>(pixels.constScanLine(y - at.y())) +
                        (rect.left() - at.x()),
                    bytes);
}

}  // namespace

PageHistory::PageHistory(PagePicture& page, const LayoutModel& model, QObject* parent)
    : QObject(parent), page_(page), model_(model) {
    connect(&page_, &PagePicture::changed, this, &PageHistory::page_changed);
}

void PageHistory::start() {
    steps_.clear();
    position_ = 0;
    bytes_ = 0;
    dirty_ = QRect();
    open_ = false;
    shadow_ = copy_pixels(page_.image());
    shadow_model_ = model_;
    emit availabilityChanged();
}

void PageHistory::set_limits(const Limits& limits) {
    limits_ = limits;
    trim();
}

void PageHistory::page_changed(const QRect& rect) {
    if (applying_) return;
    dirty_ |= rect;
    open_step();
}

void PageHistory::layout_changed() {
    if (!applying_) open_step();
}

void PageHistory::open_step() {
    if (open_) return;
    open_ = true;
    // Closed once the event that drew has been handled: one key, one click, one release.
    QTimer::singleShot(0, this, &PageHistory::close_step);
    emit availabilityChanged();
}

void PageHistory::close_step() {
    if (!open_) return;
    open_ = false;
    const QImage& now = page_.image();
    const bool new_layout = !(model_ == shadow_model_);
    Step step;
    if (now.size() != shadow_.size()) {
        step.whole = true;
        step.rect = now.rect();
        step.before = shadow_;
        step.after = copy_pixels(now);
        shadow_ = step.after;
    } else {
        // Only the pixels that differ; a drawing that left every pixel as it was is no step.
        step.rect = differing(shadow_, now, dirty_ & now.rect());
        if (!step.rect.isEmpty()) {
            step.before = shadow_.copy(step.rect);
            step.after = now.copy(step.rect);
        }
        if (step.rect.isEmpty()) {
            step.rect = QRect();
            step.before = step.after = QImage();
            if (!new_layout) {
                dirty_ = QRect();
                return emit availabilityChanged();
            }
        } else {
            lay(shadow_, step.after, step.rect.topLeft());
        }
    }
    dirty_ = QRect();
    if (new_layout || step.whole) {
        step.layout_before = shadow_model_;
        step.layout_after = model_;
        shadow_model_ = model_;
    }
    // A new step after stepping back: the steps that were taken back are gone.
    while (steps_.size() > position_) {
        bytes_ -= steps_.back().bytes();
        steps_.pop_back();
    }
    bytes_ += step.bytes();
    steps_.push_back(std::move(step));
    position_ = steps_.size();
    trim();
    emit availabilityChanged();
}

void PageHistory::trim() {
    while (!steps_.empty() &&
           (int(steps_.size()) > limits_.steps || (bytes_ > limits_.bytes && steps_.size() > 1))) {
        bytes_ -= steps_.front().bytes();
        steps_.pop_front();
        if (position_ > 0) --position_;
    }
}

std::optional<LayoutModel> PageHistory::take(const Step& step, bool forward) {
    const QImage& pixels = forward ? step.after : step.before;
    applying_ = true;
    if (step.whole) {
        page_.assign(std::make_shared<const QImage>(pixels));
        shadow_ = copy_pixels(pixels);
    } else if (!step.rect.isEmpty()) {
        page_.draw([&](PageDrawing& drawing) { drawing.put(pixels, step.rect.topLeft()); });
        lay(shadow_, pixels, step.rect.topLeft());
    }
    applying_ = false;
    const std::optional<LayoutModel>& layout = forward ? step.layout_after : step.layout_before;
    if (layout) shadow_model_ = *layout;
    emit availabilityChanged();
    return layout;
}

std::optional<LayoutModel> PageHistory::step_back() {
    close_step();
    if (position_ == 0) return std::nullopt;
    return take(steps_[--position_], false);
}

std::optional<LayoutModel> PageHistory::step_forward() {
    close_step();
    if (position_ >= steps_.size()) return std::nullopt;
    return take(steps_[position_++], true);
}

}  // namespace strumix
