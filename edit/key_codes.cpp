#include "edit/key_codes.h"

namespace strumix {

int virtual_key_code(int qt_key, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) {
        return (keypad ? kVkNumpad0 : kVk0) + (qt_key - Qt::Key_0);
    }
    switch (qt_key) {
        case Qt::Key_X:
            return kVkX;
        case Qt::Key_Backspace:
            return kVkBack;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kVkReturn;
        case Qt::Key_Left:
            return kVkLeft;
        case Qt::Key_Up:
            return kVkUp;
        case Qt::Key_Right:
            return kVkRight;
        case Qt::Key_Down:
            return kVkDown;
        case Qt::Key_Delete:
            return kVkDelete;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return keypad ? kVkDecimal : 0;
        default:
            return 0;
    }
}

int shift_state(Qt::KeyboardModifiers modifiers) {
    int state = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) state |= 1;
    if (modifiers.testFlag(Qt::ControlModifier)) state |= 2;
    if (modifiers.testFlag(Qt::AltModifier)) state |= 4;
    return state;
}

}  // namespace strumix
