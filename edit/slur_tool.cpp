#include "edit/slur_tool.h"

#include <cmath>

#include "document/busy_pointer.h"
#include "document/document.h"
#include "edit/whole_units.h"
#include "page/glyphs.h"

namespace strumix {

SlurArc slur_arc(int start_x, int start_y, int end_x) {
    SlurArc arc;
    arc.half_span = whole_unit((end_x - start_x) / 2.0);
    const int h = arc.half_span;
    arc.mid_x = start_x + h;
    arc.center_y = start_y + h;
    arc.radius = std::sqrt(2.0 * double(h) * double(h));
    arc.height = h;
    // Longer slurs are flatter. Every row that holds applies, in this order, so at a span of
    // exactly 1000, 2000 or 3000 twips the later aspect wins and both factors are taken.
    const int span = end_x - start_x;
    if (span <= 1000) {
        arc.aspect = 0.4;
        arc.height *= 1.06;
    }
    if (span >= 1000 && span <= 2000) {
        arc.aspect = 0.3;
        arc.height *= 1.14;
    }
    if (span >= 2000 && span <= 3000) {
        arc.aspect = 0.2;
        arc.height *= 1.252;
    }
    if (span >= 3000) {
        arc.aspect = 0.1;
        arc.height *= 1.442;
    }
    return arc;
}

QString slur_letter(int tool) {
    return (tool >= kToolHammer && tool <= kToolSlide)
               ? QString::fromLatin1(kSlurLetters[std::size_t(tool - kToolHammer)])
               : QString();
}

int slur_letter_left(int tool, int mid_x) { return mid_x - (tool == kToolHammerPull ? 180 : 50); }

namespace {

QLine pixel_line(const PagePicture& page, int x1, int y1, int x2, int y2) {
    auto px = [&page](double v) { return static_cast<int>(std::lround(page.to_pixels_x(v))); };
    auto py = [&page](double v) { return static_cast<int>(std::lround(page.to_pixels_y(v))); };
    return QLine(px(x1), py(y1), px(x2), py(y2));
}

}  // namespace

void SlurTool::show_band() {
    ctx_.overlay.line1 =
        pixel_line(ctx_.doc.Picture1(), drag_.start_x, drag_.start_y, drag_.end_x, drag_.end_y);
    ctx_.overlay_changed();
}

void SlurTool::press(QPointF at) {
    drag_.mouse_is_down = true;
    ctx_.overlay.line1_visible = true;
    drag_.start_x = drag_.end_x = whole_unit(at.x());
    drag_.start_y = drag_.end_y = whole_unit(at.y());
    show_band();
}

void SlurTool::move(QPointF at) {
    if (!drag_.mouse_is_down) return;
    drag_.end_x = whole_unit(at.x());
    drag_.end_y = drag_.start_y;
    // Only a slide drawn as a line follows the pointer up and down; arcs are level.
    if (kind_ == kToolSlide && ctx_.opt[1]) drag_.end_y = whole_unit(at.y());
    show_band();
}

void SlurTool::release(QPointF at) {
    if (!drag_.mouse_is_down) return;
    drag_.mouse_is_down = false;
    PagePicture& page = ctx_.doc.Picture1();
    const bool slide = kind_ == kToolSlide;
    if (slide && ctx_.opt[1]) {
        page.set_fore_color(Qt::black);
        page.line(drag_.start_x, drag_.start_y, drag_.end_x, drag_.end_y);
        drag_.start_y = drag_.end_y;
        // Slurs take no undo copy, so only a commit lets New and Open see the page has changed;
        // without it slurs drawn on a fresh page would be thrown away without a question.
        ctx_.doc.commit_page();
    }
    drag_.end_x = whole_unit(at.x());
    const SlurArc arc = slur_arc(drag_.start_x, drag_.start_y, drag_.end_x);
    int letter_row = drag_.start_y - 300;
    ctx_.overlay.line1_visible = false;
    ctx_.overlay_changed();
    // Released at or left of the press: no arc and no letter; a slide's line stays.
    if (drag_.end_x <= drag_.start_x) return;
    BusyPointer busy;
    bool drew = false;
    if (slide && !ctx_.opt[0]) {
        letter_row = drag_.start_y <= drag_.end_y ? drag_.end_y - 300 : drag_.start_y - 150;
    } else {
        page.set_fore_color(Qt::black);
        page.arc(arc.mid_x, arc.centre_y(), arc.radius, kSlurArcStart, kSlurArcEnd, arc.aspect);
        drew = true;
    }
    if (ctx_.opt[2]) {
        page.set_bold(false);
        page.set_underline(false);
        page.set_current(slur_letter_left(kind_, arc.mid_x), letter_row);
        page.print(slur_letter(kind_));
        drew = true;
    }
    if (drew) ctx_.doc.commit_page();
}

void SlurTool::cancel() {
    drag_.mouse_is_down = false;
    if (!ctx_.overlay.line1_visible) return;
    ctx_.overlay.line1_visible = false;
    ctx_.overlay_changed();
}

}  // namespace strumix
