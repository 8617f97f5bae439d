#pragma once

#include <QList>
#include <QRect>
#include <cmath>

#include "edit/edit_host.h"
#include "support/fake_questions.h"

// Scripted questions, and a page view whose vertical scroll bar (its value from 0 to
// `vscroll_max`) a test sets up.
class FakeHost : public Scripted<strumix::EditHost> {
public:
    bool vscroll_shown = false;
    int vscroll_max = 0;
    int vscroll_val = 0;
    int focus_requests = 0;
    QList<QRect> made_visible;

    bool view_scrolls_down() const override { return vscroll_shown; }
    void scroll_view_down_to(double fraction) override {
        vscroll_val = int(std::lround(fraction * vscroll_max));
    }
    void make_visible(const QRect& page_pixels) override { made_visible << page_pixels; }
    void focus_page() override { ++focus_requests; }
};
