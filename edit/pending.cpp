// Editing commands whose behaviour is still being built; each moves to its own file when done.
#include "edit/editor.h"

namespace strumix {

void Editor::btn_mode_Click(int) {}
void Editor::btn_edit_Click() {}
void Editor::pic_tool_Click(int) {}
void Editor::btn_bend_Click(int) {}
void Editor::btn_bend_MouseDown(int, int, int, double, double) {}
void Editor::opt_Click(int, bool) {}
void Editor::Form_Click() {}
void Editor::Form_DragDrop(int, double, double) {}
void Editor::Picture1_MouseDown(int, int, double, double) {}
void Editor::Picture1_MouseMove(int, int, double, double) {}
void Editor::Picture1_MouseUp(int, int, double, double) {}
void Editor::Picture1_DragDrop(int, double, double) {}
void Editor::Picture1_DragOver(int, double, double, int) {}

}  // namespace strumix
