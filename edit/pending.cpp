// Editing commands whose behaviour is still being built; each moves to its own file when done.
#include "edit/editor.h"

namespace strumix {

void Editor::cursor_left() {}
void Editor::cursor_right() {}
void Editor::cursor_up() {}
void Editor::cursor_down() {}
void Editor::advance() {}
void Editor::follow_cursor() {}
void Editor::menu_cr_Click(int) {}
void Editor::menu_cr_refresh_Click() {}
void Editor::mnu_follow_Click() {}
int Editor::checked_motion_index() const { return 2; }
void Editor::set_backup() {}
void Editor::menu_undo_Click() {}
void Editor::menu_set_backup_Click() {}
void Editor::menu_revert_Click() {}
void Editor::btn_mode_Click(int) {}
void Editor::btn_edit_Click() {}
void Editor::pic_tool_Click(int) {}
void Editor::btn_bend_Click(int) {}
void Editor::btn_bend_MouseDown(int, int, int, double, double) {}
void Editor::opt_Click(int, bool) {}
void Editor::Form_Click() {}
void Editor::Form_DragDrop(int, double, double) {}
void Editor::Picture1_KeyDown(int, int) {}
void Editor::mnu_harmonic_Click() {}
void Editor::insert_harmonic() {}
void Editor::Picture1_MouseDown(int, int, double, double) {}
void Editor::Picture1_MouseMove(int, int, double, double) {}
void Editor::Picture1_MouseUp(int, int, double, double) {}
void Editor::Picture1_DragDrop(int, double, double) {}
void Editor::Picture1_DragOver(int, double, double, int) {}

}  // namespace strumix
