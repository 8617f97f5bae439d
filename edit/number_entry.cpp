#include "edit/number_entry.h"

#include "document/document.h"
#include "document/questions.h"
#include "edit/cursor_box.h"

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

bool NumberEntry::Picture1_KeyDown(int key, Qt::KeyboardModifiers modifiers, bool entering) {
    if (!page_key(key, modifiers)) return false;
    if (entering) {
        cursor_.follow_cursor();
        doc_.Picture1().set_scale_mode(ScaleMode::Characters);
    }
    QString entry = cursor_.caption();
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
            if (entering) cursor_.cursor_left();
            break;
        case Qt::Key_Right:
            if (entering) cursor_.cursor_right();
            break;
        case Qt::Key_Up:
            if (entering) cursor_.cursor_up();
            break;
        case Qt::Key_Down:
            if (entering) cursor_.cursor_down();
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
    cursor_.set_caption(entry);
    return true;
}

void NumberEntry::write_entry() {
    doc_.take_undo_copy();
    QString entry = cursor_.caption();
    // A single digit or X stands in the right-hand half of the two-column cell.
    if (entry.size() == 1) entry.prepend(QLatin1Char(' '));
    cursor_.set_caption(entry);
    if (!entry.isEmpty()) {
        PagePicture& page = doc_.Picture1();
        // The box's cell in whatever unit the page is in at the moment.
        page.set_current(page.from_pixels_x(cursor_.left() * kColumnPixels),
                         page.from_pixels_y(cursor_.top() * kRowPixels));
        page.set_bold(false);
        page.set_underline(false);
        page.set_fore_color(Qt::black);
        page.print(entry, false);
    }
    advance();
}

void NumberEntry::advance() {
    cursor_.advance();
    if (cursor_.refresh_on()) cursor_.set_caption(QString());
    cursor_.follow_cursor();
}

// A diamond around the number under the box; the number itself stays as it is.
void NumberEntry::insert_harmonic(bool entering) {
    if (!entering || !cursor_.visible()) {
        questions_.message(
            QStringLiteral("You must be in 'Insert Numbers' mode to insert a harmonic. Click the "
                           "2nd tool, or right click image with your mouse. Then place box over "
                           "note to make harmonic, and hit Ctrl-H."),
            QStringLiteral("Can't insert Harmonic"), MessageIcon::None);
        return;
    }
    PagePicture& page = doc_.Picture1();
    page.set_scale_mode(ScaleMode::Characters);
    const double l = cursor_.left();
    const double t = cursor_.top();
    constexpr double w = CursorBox::kWidth;
    constexpr double h = CursorBox::kHeight;
    const QPointF top(l + w / 2.5, t - h / 6);
    const QPointF right(l + w, t + h / 2);
    const QPointF bottom(l + w / 2.5, t + h + h / 6);
    const QPointF left(l - w / 4, t + h / 2);
    page.set_fore_color(Qt::black);
    page.line(top.x(), top.y(), right.x(), right.y());
    page.line(right.x(), right.y(), bottom.x(), bottom.y());
    page.line(bottom.x(), bottom.y(), left.x(), left.y());
    page.line(left.x(), left.y(), top.x(), top.y());
    advance();
}

}  // namespace strumix
