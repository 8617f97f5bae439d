// Document commands whose behaviour is still being built; each moves to its own file when done.
#include "docs/document_commands.h"

namespace strumix {

void DocumentCommands::menu_open_Click() {}
void DocumentCommands::menu_save_Click() {}
void DocumentCommands::menu_save_as_Click() {}
void DocumentCommands::mnu_revert_Click() {}
void DocumentCommands::mnu_copy_Click() {}
bool DocumentCommands::query_unload() { return true; }

}  // namespace strumix
