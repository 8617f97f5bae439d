#pragma once

#include <QColor>
#include <QFrame>
#include <QPoint>

class QLabel;
class QWidget;

namespace strumix {

// The light grey of the program's panels and dialogs.
inline const QColor kPanelGrey(0xC0, 0xC0, 0xC0);

// Paints `widget` with a background of its own in `colour`.
void fill_background(QWidget* widget, const QColor& colour);
// A 3-D panel: a one-pixel raised or sunken frame on the panel grey.
void grey_panel(QFrame* frame, QFrame::Shadow shadow, int line_width = 1);

// One copy of the background tile, named "pic_tile_N", at `top_left` of `parent`, below the
// window's other controls.
QLabel* tile_copy(QWidget* parent, int index, QPoint top_left);

// Gives `window` and every control in it the help context number `context`.
void set_help_context(QWidget* window, int context);

}  // namespace strumix
