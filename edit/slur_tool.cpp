#include "edit/slur_tool.h"

#include <cmath>

#include "edit/busy_pointer.h"
#include "edit/editor.h"
#include "edit/whole_units.h"

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
    static const char* const kLetters[4] = {"H", "P", "H+P", "S"};
    return (tool >= kToolHammer && tool <= kToolSlide) ? QString::fromLatin1(kLetters[tool])
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

void Editor::slur_press(double x, double y) {
    line1_visible = true;
    drag_start_x = drag_end_x = whole_unit(x);
    drag_start_y = drag_end_y = whole_unit(y);
    line1_band = pixel_line(Picture1, drag_start_x, drag_start_y, drag_end_x, drag_end_y);
    notify();
}

void Editor::slur_move(double x, double y) {
    drag_end_x = whole_unit(x);
    drag_end_y = drag_start_y;
    // Only a slide drawn as a line follows the pointer up and down; arcs are level.
    if (model.current_tool == kToolSlide && opt[1]) drag_end_y = whole_unit(y);
    line1_band = pixel_line(Picture1, drag_start_x, drag_start_y, drag_end_x, drag_end_y);
    notify();
}

void Editor::slur_release(double x, double) {
    const bool slide = model.current_tool == kToolSlide;
    if (slide && opt[1]) {
        Picture1.set_fore_color(Qt::black);
        Picture1.line(drag_start_x, drag_start_y, drag_end_x, drag_end_y);
        drag_start_y = drag_end_y;
        // Slurs take no undo copy, so only a commit lets New and Open see the page has changed;
        // without it slurs drawn on a fresh page would be thrown away without a question.
        commit_page();
    }
    drag_end_x = whole_unit(x);
    const SlurArc arc = slur_arc(drag_start_x, drag_start_y, drag_end_x);
    arc_center_y = arc.center_y;
    arc_mid_x = arc.mid_x;
    int letter_row = drag_start_y - 300;
    line1_visible = false;
    // Released at or left of the press: no arc and no letter; a slide's line stays.
    if (drag_end_x <= drag_start_x) {
        notify();
        return;
    }
    {
        BusyPointer busy;
        bool drew = false;
        if (slide && !opt[0]) {
            letter_row = drag_start_y <= drag_end_y ? drag_end_y - 300 : drag_start_y - 150;
        } else {
            Picture1.set_fore_color(Qt::black);
            Picture1.arc(arc_mid_x, arc.centre_y(), arc.radius, kSlurArcStart, kSlurArcEnd,
                         arc.aspect);
            drew = true;
        }
        if (opt[2]) {
            const int tool = model.current_tool;
            Picture1.set_bold(false);
            Picture1.set_underline(false);
            Picture1.set_current(slur_letter_left(tool, arc_mid_x), letter_row);
            Picture1.print(slur_letter(tool));
            drew = true;
        }
        if (drew) commit_page();
    }
    notify();
}

}  // namespace strumix
