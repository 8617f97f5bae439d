#include "edit/number_entry.h"

#include <QCoreApplication>

#include "document/document.h"
#include "edit/cursor_box.h"
#include "edit/edit_host.h"
#include "page/harmonic_diamond.h"

namespace strumix {

namespace {

bool is_digit_key(int key) { return key >= Qt::Key_0 && key <= Qt::Key_9; }

// The keys the page answers to; every other key goes on to the window (Delete is the shortcut
// of "&Undo" and never reaches the page).
bool page_key(int key, Qt::KeyboardModifiers modifiers) {
    switch (key) {
        case Qt::Key_X:
        case Qt::Key_Backspace:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            return true;
        // The keypad's decimal point, whichever character the keyboard layout gives it.
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return modifiers.testFlag(Qt::KeypadModifier);
        default:
            return is_digit_key(key);
    }
}

}  // namespace

void NumberEntry::begin() {
    PaletteState& state = ctx_.state;
    state.pointer = PagePointer::Default;
    state.current_tool = ToolId::Numbers;
    state.unit = PageUnit::Characters;
    ctx_.cursor.set_caption(QString());
    ctx_.cursor.set_visible(true);
    state.show_status(ToolId::Numbers);
    state.slidewin_visible = false;
    ctx_.host.focus_page();
}

bool NumberEntry::Picture1_KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (!page_key(key, modifiers)) return false;
    const bool entering = this->entering();
    CursorBox& cursor = ctx_.cursor;
    if (entering) {
        cursor.follow_cursor();
        ctx_.state.unit = PageUnit::Characters;
    }
    QString entry = cursor.caption();
    switch (key) {
        case Qt::Key_X:
            entry = QStringLiteral("X");
            break;
        case Qt::Key_Backspace:
            if (entry.isEmpty()) return true;
            entry.chop(1);
            break;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            entry.clear();
            break;
        // The arrows steer the cursor box, which only number entry shows.
        case Qt::Key_Left:
            if (entering) cursor.cursor_left();
            break;
        case Qt::Key_Right:
            if (entering) cursor.cursor_right();
            break;
        case Qt::Key_Up:
            if (entering) cursor.cursor_up();
            break;
        case Qt::Key_Down:
            if (entering) cursor.cursor_down();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            write_entry();
            return true;
        default:
            entry += QChar(key);
            // A third digit starts a new number rather than growing this one.
            if (entry.size() >= 3) entry = entry.right(1);
            break;
    }
    cursor.set_caption(entry);
    return true;
}

void NumberEntry::write_entry() {
    Document& doc = ctx_.doc;
    CursorBox& cursor = ctx_.cursor;
    doc.take_undo_copy();
    QString entry = cursor.caption();
    // A single digit or X stands in the right-hand half of the two-column cell.
    if (entry.size() == 1) entry.prepend(QLatin1Char(' '));
    cursor.set_caption(entry);
    if (!entry.isEmpty()) {
        const QPoint cell = pixel_at(cursor.left(), cursor.top(), PageUnit::Characters);
        doc.Picture1().draw([&](PageDrawing& page) { page.text(cell, entry); });
    }
    advance();
}

void NumberEntry::advance() {
    CursorBox& cursor = ctx_.cursor;
    cursor.advance();
    if (cursor.refresh_on()) cursor.set_caption(QString());
    cursor.follow_cursor();
}

// A diamond around the number under the box; the number itself stays as it is.
void NumberEntry::insert_harmonic() {
    CursorBox& cursor = ctx_.cursor;
    if (!entering() || !cursor.visible()) {
        ctx_.host.message(
            QCoreApplication::translate(
                "NumberEntry",
                "You must be in 'Insert Numbers' mode to insert a harmonic. Click the "
                "2nd tool, or right click image with your mouse. Then place box over "
                "note to make harmonic, and hit Ctrl-H."),
            QCoreApplication::translate("NumberEntry", "Can't insert Harmonic"), MessageIcon::None);
        return;
    }
    ctx_.state.unit = PageUnit::Characters;
    const std::array<QPoint, 4> corners = harmonic_diamond(cursor.left(), cursor.top());
    ctx_.doc.Picture1().draw([&](PageDrawing& page) { draw_harmonic_diamond(page, corners); });
    advance();
}

}  // namespace strumix
