#include "docs/document_commands.h"
#include "edit/editor.h"

namespace strumix {

void DocumentCommands::mnu_copy_Click() {
    Editor& e = editor_;
    QString error;
    // The drawn image: numbers typed since the last commit are part of what the user sees.
    if (!host_.set_clipboard_image(e.Picture1.image(), &error)) {
        e.host().message(error, QString::fromLatin1(kProgramTitle), MessageIcon::Critical);
        return;
    }
    e.host().message(QStringLiteral("Image has been succesfully copied to the clipboard."),
                     QString::fromLatin1(kProgramTitle), MessageIcon::None);
}

}  // namespace strumix
