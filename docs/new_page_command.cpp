#include "docs/document_commands.h"
#include "edit/editor.h"
#include "layout/page_layout.h"

namespace strumix {

bool DocumentCommands::ask_yes_no(const QString& prompt) {
    return editor_.host().ask(prompt, QString::fromLatin1(kProgramTitle), false) == Answer::Yes;
}

void DocumentCommands::check_save_changes() {
    // Numbers committed by choosing a notation tool pass the undo copy test, yet are unsaved.
    if (!editor_.page_counts_as_changed()) return;
    // There is no way back from here: after Yes (whatever the save did) or No the caller goes on.
    if (ask_yes_no(QStringLiteral("Image has been changed. Do you want to save changes?"))) {
        menu_save_Click();
    }
}

void DocumentCommands::menu_new_Click() {
    check_save_changes();
    editor_.model.file_path = QStringLiteral("Untitled.bmp");
    editor_.model.file_name = QStringLiteral("Untitled.bmp");
    host_.run_layout_dialog(QString::fromLatin1(kNewPageLayout));
    editor_.cursor_home();
}

void DocumentCommands::menu_page_Click() {
    host_.run_layout_dialog(QString::fromLatin1(kAdjustLayout));
    editor_.btn_mode_Click(0);
}

}  // namespace strumix
