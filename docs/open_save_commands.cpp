#include <QCoreApplication>
#include <QFileInfo>

#include "docs/document_commands.h"
#include "docs/page_io.h"
#include "edit/busy_pointer.h"
#include "edit/editor.h"

namespace strumix {

void DocumentCommands::menu_open_Click() {
    Editor& e = editor_;
    check_save_changes();
    const int read_before = e.files_read;
    host_.show_file_window(QStringLiteral("open"));
    finish_open(e.files_read != read_before);
}

void DocumentCommands::open_path(const QString& path) {
    Editor& e = editor_;
    check_save_changes();
    QString error;
    bool loaded = false;
    {
        BusyPointer busy;
        loaded = load_page(e, path, &error);
    }
    if (!loaded) {
        // Nothing was opened, so there is no image to fit the layout to.
        report_file_error(e, error);
        return;
    }
    e.model.file_path = QFileInfo(path).absoluteFilePath();
    e.model.file_name = QFileInfo(path).fileName();
    e.backup[1] = e.Picture1.picture();
    e.caption = document_caption(e.model.file_name);
    finish_open(true);
}

void DocumentCommands::finish_open(bool opened) {
    Editor& e = editor_;
    // The new picture is shown from its top-left corner.
    if (e.host().vscroll_visible()) e.host().set_vscroll_value(e.host().vscroll_minimum());
    e.host().message(QStringLiteral("Please adjust strumix's layout to fit the image."), QString(),
                     MessageIcon::None);
    menu_page_Click();
    e.host().form_resize();
    e.location.left = LayoutModel::home_column();
    e.location.top = 2;
    e.follow_cursor();
    QCoreApplication::processEvents();
    e.commit_and_mark_unchanged();
    // A cancelled file window leaves the old page, with whatever was drawn on it unsaved.
    if (opened) e.page_kept();
    e.notify();
}

void DocumentCommands::menu_save_Click() {
    Editor& e = editor_;
    // Only a name the user chose in the file window is written to without asking.
    if (!has_chosen_file(e)) {
        host_.show_file_window(QStringLiteral("Save"));
        return;
    }
    const QString path = e.model.file_path;
    e.host().message(path, QString(), MessageIcon::None);
    QString error;
    bool saved = false;
    {
        BusyPointer busy;
        saved = save_page(e, path, &error);
    }
    if (!saved) report_file_error(e, error);
    e.notify();
}

void DocumentCommands::menu_save_as_Click() { host_.show_file_window(QStringLiteral("Save")); }

void DocumentCommands::mnu_revert_Click() {
    Editor& e = editor_;
    if (!has_chosen_file(e)) {
        if (ask_yes_no(QStringLiteral("File has not been saved yet. Do you want to save it now?")))
            menu_save_as_Click();
        return;
    }
    QString error;
    bool loaded = false;
    {
        BusyPointer busy;
        loaded = load_page(e, e.model.file_path, &error);
        if (loaded) {
            e.commit_and_mark_unchanged();
            e.page_kept();
        }
    }
    if (!loaded) report_file_error(e, error);
    e.host().form_resize();
    e.notify();
}

bool DocumentCommands::query_unload() {
    Editor& e = editor_;
    if (!e.page_counts_as_changed()) return true;
    switch (e.host().ask(QStringLiteral("Image has been changed. Do you want to save changes?"),
                         QString::fromLatin1(kProgramTitle), true)) {
        case Answer::No:
            return true;
        case Answer::Cancel:
            return false;
        case Answer::Yes:
            break;
    }
    const int written_before = e.files_written;
    menu_save_Click();
    return e.files_written != written_before;
}

}  // namespace strumix
