#include "edit/editor.h"

namespace strumix {

// The title is only pixels on the page, like typed fret numbers: no undo copy is taken and the
// page is not committed, and a redraw of the blank page removes it.
void Editor::mnu_title_Click() {
    const std::optional<QString> answer =
        host_.input_box(QStringLiteral("Please enter the text for the page title you want."),
                        QStringLiteral("Insert Title"), QStringLiteral("Guitar Riff"));
    if (!answer || answer->isEmpty()) return;
    Picture1.set_bold(true);
    Picture1.set_underline(true);
    // (1, 0) in whatever unit the selected tool has given the page: column 1 of the top row
    // with number entry, one pixel or one twip in from the corner with the other tools.
    Picture1.set_current(1, 0);
    Picture1.print(*answer, true);
    Picture1.set_bold(false);
    Picture1.set_underline(false);
}

}  // namespace strumix
