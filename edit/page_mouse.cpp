#include "edit/editor.h"

namespace strumix {

void Editor::Picture1_MouseDown(int button, int, double x, double y) {
    if (button == kRightButton) {
        // The right button is the way home from every tool; the press draws nothing.
        btn_mode_Click(0);
        box_visible = false;
        // A drag under way ends here too, so no rubber band is left standing over the page and
        // the coming release of the other button draws nothing.
        line1_visible = false;
        mouse_is_down = false;
        notify();
        return;
    }
    // Number entry does not place the cursor box by mouse.
    if (model.current_tool == kToolNumbers) return;
    mouse_is_down = true;
    if (model.current_tool <= kToolSlide) {
        slur_press(x, y);
    } else if (model.current_tool == kToolErase) {
        erase_press(x, y);
    }
}

void Editor::Picture1_MouseMove(int, int, double x, double y) {
    if (model.current_tool == kToolNumbers) return;
    const bool pointer_changed = page_pointer != PagePointer::CrossHair;
    page_pointer = PagePointer::CrossHair;
    if (mouse_is_down && model.current_tool <= kToolSlide) {
        slur_move(x, y);
    } else if (mouse_is_down && model.current_tool == kToolErase) {
        erase_move(x, y);
    } else if (pointer_changed) {
        notify();
    }
}

void Editor::Picture1_MouseUp(int, int, double x, double y) {
    if (!mouse_is_down) return;
    mouse_is_down = false;
    if (model.current_tool <= kToolSlide) {
        slur_release(x, y);
    } else if (model.current_tool == kToolErase) {
        erase_release(x, y);
    }
}

}  // namespace strumix
