#include "edit/editor.h"

namespace strumix {

void Editor::mnu_harmonic_Click() { insert_harmonic(); }

// A diamond around the number under the box; the number itself stays as it is.
void Editor::insert_harmonic() {
    if (model.current_tool != kToolNumbers || !location.visible) {
        host_.message(QStringLiteral("You must be in 'Insert Numbers' mode to insert a harmonic. "
                                     "Click the 2nd tool, or right click image with your mouse. "
                                     "Then place box over note to make harmonic, and hit Ctrl-H."),
                      QStringLiteral("Can't insert Harmonic"), MessageIcon::None);
        return;
    }
    Picture1.set_scale_mode(ScaleMode::Characters);
    const double l = location.left;
    const double t = location.top;
    constexpr double w = CursorBox::kWidth;
    constexpr double h = CursorBox::kHeight;
    const QPointF top(l + w / 2.5, t - h / 6);
    const QPointF right(l + w, t + h / 2);
    const QPointF bottom(l + w / 2.5, t + h + h / 6);
    const QPointF left(l - w / 4, t + h / 2);
    Picture1.set_fore_color(Qt::black);
    Picture1.line(top.x(), top.y(), right.x(), right.y());
    Picture1.line(right.x(), right.y(), bottom.x(), bottom.y());
    Picture1.line(bottom.x(), bottom.y(), left.x(), left.y());
    Picture1.line(left.x(), left.y(), top.x(), top.y());
    advance();
    if (entry_refresh == QLatin1String("on")) location.caption.clear();
    follow_cursor();
    notify();
}

}  // namespace strumix
