#include "edit/busy_pointer.h"
#include "edit/editor.h"

namespace strumix {

void Editor::take_undo_copy() { backup[0] = Picture1.take_image(); }

void Editor::commit_page() { Picture1.commit(); }

void Editor::commit_and_mark_unchanged() {
    commit_page();
    backup[0] = Picture1.picture();
}

bool Editor::page_changed() const { return Picture1.picture() != backup[0]; }

}  // namespace strumix
