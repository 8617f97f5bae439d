#pragma once

#include <QRect>

#include "document/questions.h"

namespace strumix {

// What the tools need of the windows around the page: the questions they ask, the page view,
// and the keyboard focus.
class EditHost : public Questions {
public:
    // Whether the view scrolls up and down, the page being taller than it.
    virtual bool view_scrolls_down() const = 0;
    // Scrolls the view down the page: 0 shows its top, 1 as far down as the view goes, and what
    // lies between in proportion.
    virtual void scroll_view_down_to(double fraction) = 0;
    // Scrolls the view, as little as it can, so that these page pixels are in sight.
    virtual void make_visible(const QRect& page_pixels) = 0;
    // Gives the page `Picture1` the keyboard focus.
    virtual void focus_page() = 0;
};

}  // namespace strumix
