#pragma once

#include <QImage>
#include <QObject>
#include <QRect>
#include <deque>
#include <optional>

#include "page/layout_model.h"
#include "page/page_picture.h"

namespace strumix {

// Every change of the page as a step that can be taken back and taken again: typing, a stamp,
// a slur, a cut, a title, Undo, Revert to Backup, a redrawn or reopened layout. A step keeps
// only the pixels it changed, before and after (and the layout, when it changed the page's
// size), so hundreds of steps fit in the memory of a page or two.
//
// A step is what changed during one event the user caused: the history closes it once the
// event has been handled, so a key, a click or a drag's release is one step whatever number
// of drawings it made.
class PageHistory : public QObject {
    Q_OBJECT

public:
    struct Limits {
        int steps = 1000;
        qsizetype bytes = qsizetype(64) << 20;
    };

    // `page` and `model`: the document's page and layout, which outlive the history.
    PageHistory(PagePicture& page, const LayoutModel& model, QObject* parent = nullptr);

    // A new history that starts at the page and the layout as they are now.
    void start();
    // What changed since the last step becomes a step now (or nothing, if nothing did).
    void close_step();
    // The layout changed: a step, even where no pixel does.
    void layout_changed();

    bool can_step_back() const { return position_ > 0 || open_; }
    bool can_step_forward() const { return position_ < steps_.size() && !open_; }
    // Puts the page as it was before the last step (after the next one); the layout it then
    // has, when the step changed it. Nothing, when there is no step to take.
    std::optional<LayoutModel> step_back();
    std::optional<LayoutModel> step_forward();

    int size() const { return int(steps_.size()); }
    qsizetype bytes() const { return bytes_; }
    void set_limits(const Limits& limits);

signals:
    // Whether a step back or forward can be taken may have changed.
    void availabilityChanged();

private:
    struct Step {
        bool whole = false;  // the whole page, before and after: its size changed
        QRect rect;          // where `before` and `after` go (empty: only the layout changed)
        QImage before;
        QImage after;
        std::optional<LayoutModel> layout_before;
        std::optional<LayoutModel> layout_after;
        qsizetype bytes() const { return before.sizeInBytes() + after.sizeInBytes(); }
    };

    void page_changed(const QRect& rect);
    void open_step();
    std::optional<LayoutModel> take(const Step& step, bool forward);
    void trim();

    PagePicture& page_;
    const LayoutModel& model_;
    Limits limits_;
    // The page and layout as the last step left them: what a new step's "before" is read from.
    QImage shadow_;
    LayoutModel shadow_model_;
    QRect dirty_;
    bool open_ = false;      // changes since the last step wait to be closed
    bool applying_ = false;  // the history itself is putting pixels back
    std::deque<Step> steps_;
    std::size_t position_ = 0;  // steps before it are done, from it on undone
    qsizetype bytes_ = 0;
};

}  // namespace strumix
