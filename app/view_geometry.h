#pragma once

#include <QRect>
#include <QSize>

namespace strumix {

// What `form_resize` reads, all in twips.
struct ViewInput {
    QSize window;              // the main window's outer width and height (W, H)
    int toolbar_height = 585;  // T
    QSize page;                // the page picture's size
    int hscroll_height = 240;
    int vscroll_width = 225;
    int box_activity_left = 6990;
    int box_activity_top = 60;
    int box_activity_width = 1725;
    int hscroll_value = 0;      // 0 to hscroll_maximum
    int hscroll_maximum = 100;  // 100 at actual size, a finer bar when zoomed
    int vscroll_value = 0;      // a distance in twips
    bool minimised = false;
};

// Where `form_resize` puts everything, in twips relative to the window's client area (the
// page relative to the viewport).
struct ViewLayout {
    bool changed = false;  // false when minimised: nothing moves
    QRect toolbar;
    QRect picture_clip;
    QPoint page_pos;
    bool hscroll_visible = false;
    QRect hscroll;
    bool vscroll_visible = false;
    QRect vscroll;
    int vscroll_maximum = 0;  // how far the page is taller than the viewport
    bool tile_background = false;
    int box_activity_width = 0;
};

ViewLayout form_resize_layout(const ViewInput& in);

// The largest whole zoom, up to `most`, at which a page of `page` pixels fits the view that
// `in` lays out when no scroll bar is needed; at least 1.
int fit_page_zoom(QSize page, const ViewInput& in, int most);

// The page's left for the horizontal bar's value: 0 shows the left edge, 100 the right edge.
int hscroll_page_left(int value, int maximum, int page_width, int viewport_width);

}  // namespace strumix
