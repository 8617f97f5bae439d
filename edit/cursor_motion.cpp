#include <QString>
#include <array>
#include <cmath>

#include "edit/editor.h"

namespace strumix {

namespace {

// The Cursor Motion items in menu order: up, down, right, diagonal up, diagonal down.
constexpr std::array<QLatin1String, 5> kMotions = {QLatin1String("u"), QLatin1String("d"),
                                                   QLatin1String("r"), QLatin1String("ur"),
                                                   QLatin1String("dr")};

// The row from which a following view shows the bottom of the page: eight rows a staff, less
// one (7, 15, 23, ... for one, two, three staffs).
int follow_limit_row(int num_lines) { return 8 * num_lines - 1; }

}  // namespace

// The box's place is kept in character cells whatever unit the page is in, so the moves
// compare and step in cells and leave the page's unit to the tool in use.

void Editor::cursor_left() {
    if (location.left <= model.first_note_column(0)) {
        location.left = model.first_note_column(0);
    } else {
        bool jumped = false;
        for (int j = 0; j < model.measures_across && !jumped; ++j) {
            if (location.left == model.first_note_column(j)) {
                // Back across the bar gap to the last note of the measure before.
                location.left -= 5;
                jumped = true;
            }
        }
        if (!jumped) location.left -= 3;
    }
    notify();
}

void Editor::cursor_right() {
    const int last = model.last_note_column(model.measures_across - 1);
    if (location.left >= last) {
        location.left = last;
    } else {
        bool jumped = false;
        for (int j = 0; j < model.measures_across && !jumped; ++j) {
            if (location.left == model.last_note_column(j)) {
                location.left += 5;
                jumped = true;
            }
        }
        if (!jumped) location.left += 3;
    }
    notify();
}

void Editor::cursor_up() {
    const int m = model.num_lines;
    if (location.top <= model.first_row(0)) {
        location.top = model.first_row(0);
        notify();
        return;
    }
    for (int i = 1; i < m; ++i) {
        if (location.top == model.first_row(i)) {
            location.top = model.last_row(i - 1);
            notify();
            return;
        }
    }
    location.top -= 1;
    follow_cursor();
    notify();
}

void Editor::cursor_down() {
    const int m = model.num_lines;
    if (location.top >= model.last_row(m - 1)) {
        location.top = model.last_row(m - 1);
        notify();
        return;
    }
    for (int i = 0; i + 1 < m; ++i) {
        if (location.top == model.last_row(i)) {
            location.top = model.first_row(i + 1);
            notify();
            return;
        }
    }
    location.top += 1;
    follow_cursor();
    notify();
}

void Editor::advance() {
    if (cursor_motion.size() == 2 || cursor_motion == QLatin1String("r")) cursor_right();
    if (cursor_motion.startsWith(QLatin1Char('d'))) cursor_down();
    if (cursor_motion.startsWith(QLatin1Char('u'))) cursor_up();
}

// Only the view moves: the box stays on the cell the keys put it on, so every string of a
// tall staff can be reached while the view follows.
void Editor::follow_cursor() {
    if (!follow_checked) return;
    if (!host_.vscroll_visible()) return;
    const double top = location.top;
    if (top <= 2) {
        if (host_.vscroll_value() != host_.vscroll_minimum()) {
            host_.set_vscroll_value(host_.vscroll_minimum());
        }
        return;
    }
    const int maximum = host_.vscroll_maximum();
    if (top >= follow_limit_row(model.num_lines)) {
        if (host_.vscroll_value() != maximum) host_.set_vscroll_value(maximum);
        return;
    }
    const double page_rows = static_cast<double>(Picture1.size().height()) / kRowPixels;
    if (page_rows <= 0) return;
    host_.set_vscroll_value(static_cast<int>(std::lround(top / page_rows * maximum)));
}

void Editor::menu_cr_Click(int index) {
    if (index < 0 || index >= static_cast<int>(kMotions.size())) return;
    cursor_motion = kMotions[static_cast<std::size_t>(index)];
    notify();
}

void Editor::menu_cr_refresh_Click() {
    entry_refresh =
        entry_refresh == QLatin1String("on") ? QStringLiteral("off") : QStringLiteral("on");
    notify();
}

void Editor::mnu_follow_Click() {
    follow_checked = !follow_checked;
    notify();
}

int Editor::checked_motion_index() const {
    for (std::size_t i = 0; i < kMotions.size(); ++i) {
        if (cursor_motion == kMotions[i]) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace strumix
