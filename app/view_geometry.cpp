#include "app/view_geometry.h"

#include <algorithm>
#include <cmath>

#include "page/page_geometry.h"

namespace strumix {

ViewLayout form_resize_layout(const ViewInput& in) {
    ViewLayout out;
    if (in.minimised) return out;
    out.changed = true;
    const int W = in.window.width();
    const int H = in.window.height();
    const int T = in.toolbar_height;
    out.toolbar = QRect(0, 0, W - 120, T);

    int A = W;
    int B = H - T - 600;
    QPoint page(0, 0);
    if (in.page.width() > A) {
        out.hscroll_visible = true;
        B -= in.hscroll_height;
        page = QPoint(1, (B - in.page.height()) / 2);
    } else {
        page.setX((A - in.page.width()) / 2);
    }
    if (in.page.height() > B) {
        A -= in.vscroll_width;
        out.vscroll_visible = true;
        // A page larger than the view both ways starts centred across until the horizontal
        // bar is first moved.
        page = QPoint((A - in.page.width()) / 2, 0);
    } else {
        page.setY((B - in.page.height()) / 2);
    }
    out.picture_clip = QRect(0, T - 15, A - 120, B - 60);
    if (out.hscroll_visible) {
        out.hscroll = QRect(0, out.picture_clip.top() + out.picture_clip.height(),
                            out.picture_clip.width(), in.hscroll_height);
        if (in.hscroll_value > 0) {
            page.setX(hscroll_page_left(in.hscroll_value, in.hscroll_maximum, in.page.width(),
                                        out.picture_clip.width()));
        }
    }
    if (out.vscroll_visible) {
        out.vscroll = QRect(out.picture_clip.width(), out.picture_clip.top(), in.vscroll_width,
                            out.picture_clip.height());
        out.vscroll_maximum = std::max(0, in.page.height() - out.picture_clip.height());
        // The bar keeps its value across a resize, so the page stays where the bar says.
        page.setY(-std::min(in.vscroll_value, out.vscroll_maximum));
    }
    out.page_pos = page;
    out.tile_background = !out.hscroll_visible && !out.vscroll_visible;
    out.box_activity_width = in.box_activity_width;
    if (out.toolbar.width() > in.box_activity_left + 300) {
        out.box_activity_width = out.toolbar.width() - in.box_activity_left - in.box_activity_top;
    }
    return out;
}

int fit_page_zoom(QSize page, const ViewInput& in, int most) {
    if (page.isEmpty()) return 1;
    ViewInput bare = in;
    bare.page = QSize(0, 0);
    const ViewLayout layout = form_resize_layout(bare);
    const QSize view(twips_to_pixels(layout.picture_clip.width()),
                     twips_to_pixels(layout.picture_clip.height()));
    int zoom = 1;
    while (zoom < most && page.width() * (zoom + 1) <= view.width() &&
           page.height() * (zoom + 1) <= view.height())
        ++zoom;
    return zoom;
}

int hscroll_page_left(int value, int maximum, int page_width, int viewport_width) {
    const int excess = page_width - viewport_width;
    if (maximum <= 0) return 0;
    return -static_cast<int>(std::lround(double(value) / maximum * excess));
}

}  // namespace strumix
