#include "edit/editor.h"
#include "edit/key_codes.h"

namespace strumix {

namespace {

bool is_digit_key(int key_code) {
    return (key_code >= kVk0 && key_code <= kVk0 + 9) ||
           (key_code >= kVkNumpad0 && key_code <= kVkNumpad0 + 9);
}

int digit_of(int key_code) {
    return key_code >= kVkNumpad0 ? key_code - kVkNumpad0 : key_code - kVk0;
}

}  // namespace

void Editor::Picture1_KeyDown(int key_code, int /*shift*/) {
    const bool entering = model.current_tool == kToolNumbers;
    if (entering) {
        follow_cursor();
        Picture1.set_scale_mode(ScaleMode::Characters);
    }
    QString& entry = location.caption;
    switch (key_code) {
        case kVkX:
            entry = QStringLiteral("X");
            break;
        case kVkBack:
            if (entry.isEmpty()) return;
            entry.chop(1);
            break;
        case kVkDecimal:
            entry.clear();
            break;
        // The arrows steer the cursor box, which only number entry shows.
        case kVkLeft:
            if (entering) cursor_left();
            break;
        case kVkRight:
            if (entering) cursor_right();
            break;
        case kVkUp:
            if (entering) cursor_up();
            break;
        case kVkDown:
            if (entering) cursor_down();
            break;
        case kVkReturn:
            write_entry();
            break;
        default:
            if (is_digit_key(key_code)) entry += QString::number(digit_of(key_code));
            break;
    }
    // A third digit starts a new number rather than growing this one.
    if (entry.size() >= 3 && is_digit_key(key_code)) entry = entry.right(1);
    notify();
}

void Editor::write_entry() {
    take_undo_copy();
    QString& entry = location.caption;
    // A single digit or X stands in the right-hand half of the two-column cell.
    if (entry.size() == 1) entry.prepend(QLatin1Char(' '));
    if (!entry.isEmpty()) {
        // The box's cell in whatever unit the page is in at the moment.
        Picture1.set_current(Picture1.from_pixels_x(location.left * kColumnPixels),
                             Picture1.from_pixels_y(location.top * kRowPixels));
        Picture1.set_bold(false);
        Picture1.set_underline(false);
        Picture1.set_fore_color(Qt::black);
        Picture1.print(entry, false);
    }
    advance();
    if (entry_refresh == QLatin1String("on")) entry.clear();
    follow_cursor();
}

}  // namespace strumix
