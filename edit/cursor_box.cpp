#include "edit/cursor_box.h"

#include <cmath>

#include "document/document.h"
#include "edit/edit_host.h"

namespace strumix {

namespace {

// The row from which a following view shows the bottom of the page: eight rows a staff, less
// one (7, 15, 23, ... for one, two, three staffs).
int follow_limit_row(int num_lines) { return 8 * num_lines - 1; }

}  // namespace

CursorBox::CursorBox(const Document& document, EditHost& host) : doc_(document), host_(host) {}

void CursorBox::place(double left, double top) {
    left_ = left;
    top_ = top;
    emit changed();
}

void CursorBox::set_caption(const QString& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    emit changed();
}

void CursorBox::set_visible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    emit changed();
}

void CursorBox::place_above_page() {
    place(LayoutModel::home_column(), LayoutModel::home_row() - 1);
    follow_cursor();
}

void CursorBox::cursor_home() {
    caption_.clear();
    top_ = LayoutModel::home_row();
    left_ = LayoutModel::home_column();
    emit changed();
}

// The box's place is kept in character cells whatever unit the page is in, so the moves
// compare and step in cells and leave the page's unit to the tool in use.

void CursorBox::cursor_left() {
    if (left_ <= doc_.model().first_note_column(0)) {
        left_ = doc_.model().first_note_column(0);
    } else {
        bool jumped = false;
        for (int j = 0; j < doc_.model().measures_across && !jumped; ++j) {
            if (left_ == doc_.model().first_note_column(j)) {
                // Back across the bar gap to the last note of the measure before.
                left_ -= 5;
                jumped = true;
            }
        }
        if (!jumped) left_ -= 3;
    }
    emit changed();
}

void CursorBox::cursor_right() {
    const int last = doc_.model().last_note_column(doc_.model().measures_across - 1);
    if (left_ >= last) {
        left_ = last;
    } else {
        bool jumped = false;
        for (int j = 0; j < doc_.model().measures_across && !jumped; ++j) {
            if (left_ == doc_.model().last_note_column(j)) {
                left_ += 5;
                jumped = true;
            }
        }
        if (!jumped) left_ += 3;
    }
    emit changed();
}

void CursorBox::cursor_up() {
    const int m = doc_.model().num_lines;
    if (top_ <= doc_.model().first_row(0)) {
        top_ = doc_.model().first_row(0);
        emit changed();
        return;
    }
    for (int i = 1; i < m; ++i) {
        if (top_ == doc_.model().first_row(i)) {
            top_ = doc_.model().last_row(i - 1);
            emit changed();
            return;
        }
    }
    top_ -= 1;
    follow_cursor();
    emit changed();
}

void CursorBox::cursor_down() {
    const int m = doc_.model().num_lines;
    if (top_ >= doc_.model().last_row(m - 1)) {
        top_ = doc_.model().last_row(m - 1);
        emit changed();
        return;
    }
    for (int i = 0; i + 1 < m; ++i) {
        if (top_ == doc_.model().last_row(i)) {
            top_ = doc_.model().first_row(i + 1);
            emit changed();
            return;
        }
    }
    top_ += 1;
    follow_cursor();
    emit changed();
}

// Right first for the diagonals, then down or up.
void CursorBox::advance() {
    const CursorMotion m = cursor_motion_;
    if (m == CursorMotion::Right || m == CursorMotion::DiagonalUp ||
        m == CursorMotion::DiagonalDown)
        cursor_right();
    if (m == CursorMotion::Down || m == CursorMotion::DiagonalDown) cursor_down();
    if (m == CursorMotion::Up || m == CursorMotion::DiagonalUp) cursor_up();
}

// Only the view moves: the box stays on the cell the keys put it on, so every string of a
// tall staff can be reached while the view follows.
void CursorBox::follow_cursor() {
    if (!follow_checked_) return;
    if (!host_.view_scrolls_down()) return;
    const double top = top_;
    if (top <= 2) {
        host_.scroll_view_down_to(0);
        return;
    }
    if (top >= follow_limit_row(doc_.model().num_lines)) {
        host_.scroll_view_down_to(1);
        return;
    }
    const double page_rows = static_cast<double>(doc_.Picture1().size().height()) / kRowPixels;
    if (page_rows <= 0) return;
    host_.scroll_view_down_to(top / page_rows);
}

void CursorBox::menu_cr_Click(int index) {
    if (index < 0 || index > int(CursorMotion::DiagonalDown)) return;
    cursor_motion_ = CursorMotion(index);
    emit settingsChanged();
}

void CursorBox::menu_cr_refresh_Click() {
    entry_refresh_ = entry_refresh_ == EntryRefresh::On ? EntryRefresh::Off : EntryRefresh::On;
    emit settingsChanged();
}

void CursorBox::mnu_follow_Click() {
    follow_checked_ = !follow_checked_;
    emit settingsChanged();
}

void CursorBox::restore_settings(CursorMotion motion, bool refresh, bool follow) {
    cursor_motion_ = motion;
    // Refresh starts neither on nor off; only a stored "on" changes that.
    if (refresh != refresh_on()) entry_refresh_ = refresh ? EntryRefresh::On : EntryRefresh::Off;
    follow_checked_ = follow;
    emit settingsChanged();
}

}  // namespace strumix
