#pragma once

#include "document/questions.h"

namespace strumix {

// What the tools need of the windows around the page: the questions they ask, the page view's
// vertical scroll bar (its value a distance in twips) and the keyboard focus.
class EditHost : public Questions {
public:
    virtual bool vscroll_visible() const = 0;
    virtual int vscroll_value() const = 0;
    virtual int vscroll_minimum() const = 0;
    virtual int vscroll_maximum() const = 0;
    virtual void set_vscroll_value(int value) = 0;
    // Gives the page `Picture1` the keyboard focus.
    virtual void focus_page() = 0;
};

}  // namespace strumix
