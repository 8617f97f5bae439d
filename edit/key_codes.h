#pragma once

#include <QKeyEvent>

namespace strumix {

// The page's keys by their classic virtual-key codes.
inline constexpr int kVkBack = 8;
inline constexpr int kVkReturn = 13;
inline constexpr int kVkLeft = 37;
inline constexpr int kVkUp = 38;
inline constexpr int kVkRight = 39;
inline constexpr int kVkDown = 40;
inline constexpr int kVkDelete = 46;
inline constexpr int kVk0 = 48;
inline constexpr int kVkX = 88;
inline constexpr int kVkNumpad0 = 96;
inline constexpr int kVkDecimal = 110;

// Maps a Qt key press onto its virtual-key code, or 0 for keys the page does not know.
// Keypad keys come with Qt's keypad modifier; X counts with or without Shift.
int virtual_key_code(int qt_key, Qt::KeyboardModifiers modifiers);

// The shift state as the key handlers receive it: 1 Shift, 2 Ctrl, 4 Alt.
int shift_state(Qt::KeyboardModifiers modifiers);

}  // namespace strumix
