#include "edit/editor.h"
#include "edit/whole_units.h"

namespace strumix {

void Editor::Picture1_DragDrop(int symbol, double x, double y) {
    // Only the notation symbols are ever carried onto the page.
    if (symbol < 0 || symbol >= kSymbolCount) return;
    carried_symbol = -1;
    Picture1.set_scale_mode(ScaleMode::Pixels);
    const QImage& picture = pic_bend[symbol];
    // Centred on the drop point; AND lays the black strokes over lines and numbers without
    // wiping them.
    const QPoint top_left(whole_unit(x - picture.width() / 2.0),
                          whole_unit(y - picture.height() / 2.0));
    Picture1.and_copy(picture, top_left);
    commit_page();
    btn_mode_Click(0);
}

// Passing over the page while carrying a symbol changes nothing.
void Editor::Picture1_DragOver(int, double, double, int) {}

}  // namespace strumix
