// Document commands whose behaviour is still being built; each moves to its own file when done.
#include "docs/document_commands.h"

namespace strumix {

bool DocumentCommands::ask_yes_no(const QString&) { return false; }
void DocumentCommands::check_save_changes() {}
void DocumentCommands::menu_new_Click() {}
void DocumentCommands::menu_open_Click() {}
void DocumentCommands::menu_save_Click() {}
void DocumentCommands::menu_save_as_Click() {}
void DocumentCommands::mnu_revert_Click() {}
void DocumentCommands::mnu_copy_Click() {}
void DocumentCommands::menu_page_Click() {}
bool DocumentCommands::query_unload() { return true; }

}  // namespace strumix
