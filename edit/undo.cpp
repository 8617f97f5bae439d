#include <QCoreApplication>

#include "edit/busy_pointer.h"
#include "edit/editor.h"

namespace strumix {

void Editor::take_undo_copy() { backup[0] = Picture1.take_image(); }

void Editor::commit_page() { Picture1.commit(); }

void Editor::commit_and_mark_unchanged() {
    commit_page();
    backup[0] = Picture1.picture();
}

void Editor::set_backup() {
    BusyPointer busy;
    backup[1] = Picture1.take_image();
}

bool Editor::page_changed() const { return Picture1.picture() != backup[0]; }

// A single-level toggle: the page and the undo copy change places, so a second Undo brings
// back what the first one took away.
void Editor::menu_undo_Click() {
    BusyPointer busy;
    backup[2] = Picture1.take_image();
    Picture1.assign(backup[0]);
    backup[0] = backup[2];
}

void Editor::menu_set_backup_Click() { set_backup(); }

// The page as it was before the revert becomes the undo copy, so Undo takes the revert back.
void Editor::menu_revert_Click() {
    BusyPointer busy;
    QCoreApplication::processEvents();
    backup[0] = Picture1.take_image();
    Picture1.assign(backup[1]);
    QCoreApplication::processEvents();
}

}  // namespace strumix
