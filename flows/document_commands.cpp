#include "flows/document_commands.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "document/busy_pointer.h"
#include "document/text_tab_import.h"
#include "edit/tool_palette.h"
#include "page/layout_finder.h"
#include "page/program_facts.h"

namespace strumix {

namespace {

QString save_changes() {
    return QCoreApplication::translate("DocumentCommands",
                                       "Image has been changed. Do you want to save changes?");
}

QString page_failure_message(const QString& description) {
    return QCoreApplication::translate("DocumentCommands", "Error has occured:\n") + description +
           QCoreApplication::translate(
               "DocumentCommands",
               "\nplease reduce  your page layout's dimensions so your system can create the "
               "image.");
}

}  // namespace

bool DocumentCommands::ask_yes_no(const QString& prompt) {
    return host_.ask(prompt, program_title(), false) == Answer::Yes;
}

void DocumentCommands::report_file_error(const QString& error) {
    host_.message(error, program_title(), MessageIcon::Critical);
}

void DocumentCommands::check_save_changes() {
    if (!doc_.unsaved(Document::Moment::Replacing)) return;
    // There is no way back from here: after Yes (whatever the save did) or No the caller goes on.
    if (ask_yes_no(save_changes())) menu_save_Click();
}

void DocumentCommands::menu_new_Click() {
    check_save_changes();
    doc_.set_names(QStringLiteral("Untitled.bmp"), QStringLiteral("Untitled.bmp"));
    // Until a layout fits: ask, try to create the page, say why not, ask again.
    for (;;) {
        const LayoutAnswer answer =
            host_.choose_layout(QString::fromLatin1(kNewPageLayout), doc_.model(), false);
        doc_.set_model(answer.applied_to(doc_.model()));
        if (!answer.accepted) break;
        doc_.Picture1().clear();
        // The caption still names the page as the New command did ("Untitled.bmp").
        doc_.set_caption(program_title() + QStringLiteral(" [ ") + doc_.file_name() +
                         QStringLiteral(" ]"));
        doc_.set_names(QStringLiteral("Untitled"), QString());
        QString error;
        if (!doc_.Redraw_pic(&error)) {
            host_.message(page_failure_message(error), QString(), MessageIcon::None);
            continue;
        }
        doc_.commit_and_mark_unchanged();
        // A fresh page: nothing on it is waiting to be saved, and no step leads back.
        doc_.mark_kept();
        doc_.start_history();
        break;
    }
    tools_.location().cursor_home();
}

void DocumentCommands::menu_page_Click() { adjust_layout(std::nullopt); }

void DocumentCommands::adjust_layout(const std::optional<LayoutModel>& found) {
    const LayoutModel& current = doc_.model();
    LayoutModel shown = current;
    if (found) {
        // What the picture shows, over what it cannot show: the tunings of strings a staff
        // does not have, and the staffs the page does not have.
        for (int i = 0; i < found->num_lines; ++i) {
            LineProps staff = found->line_props[i];
            for (int s = staff.num_strings; s < kMaxStrings; ++s)
                staff.tuning[s] = current.line_props[i].tuning[s];
            shown.line_props[i] = staff;
        }
        shown.num_lines = found->num_lines;
        shown.measures_across = found->measures_across;
        shown.notes_per_measure = found->notes_per_measure;
        shown.recompute_staff_rows();
    }
    const LayoutAnswer answer =
        host_.choose_layout(QString::fromLatin1(kAdjustLayout), shown, found.has_value());
    // Adjusting the layout to an image: the page stays exactly as it is. Cancel on a found
    // layout leaves the layout as it was.
    if (answer.accepted || !found) doc_.set_model(answer.applied_to(current));
    tools_.btn_mode_Click(0);
}

void DocumentCommands::menu_open_Click() {
    check_save_changes();
    // Until a file opens or the user cancels: one that cannot be read is said so, and the file
    // window comes back.
    while (const std::optional<QString> path =
               host_.choose_file(FilePurpose::Open, doc_.file_name())) {
        if (open_file(*path)) return;
    }
    finish_open(false);
}

void DocumentCommands::open_path(const QString& path) {
    check_save_changes();
    open_file(QFileInfo(path).absoluteFilePath());
}

bool DocumentCommands::open_file(const QString& path) {
    if (is_text_tab_file(path)) {
        QString text;
        QString error;
        if (!read_text_file(path, &text, &error)) {
            report_file_error(error);
            return false;
        }
        if (!take_in_text_tab(text, path)) return false;
        host_.file_kept(path);
        return true;
    }
    QString error;
    bool loaded = false;
    {
        BusyPointer busy;
        loaded = doc_.load(path, &error);
    }
    if (!loaded) {
        report_file_error(error);
        return false;
    }
    doc_.kept_as(path);
    file_kept(path);
    say_if_open_elsewhere(path);
    finish_open(true);
    return true;
}

void DocumentCommands::file_kept(const QString& path) {
    host_.file_kept(path);
    if (kept) kept(path);
}

void DocumentCommands::say_if_open_elsewhere(const QString& path) {
    if (!open_elsewhere || !open_elsewhere(path)) return;
    host_.message(
        QCoreApplication::translate("DocumentCommands",
                                    "\"%1\" is open in another Strumix too. What is saved in one "
                                    "replaces what was saved in the other.")
            .arg(path),
        program_title(), MessageIcon::Information);
}

void DocumentCommands::finish_open(bool opened) {
    // The new picture is shown from its top.
    tools_.show_page_top();
    host_.message(QCoreApplication::translate("DocumentCommands",
                                              "Please adjust strumix's layout to fit the image."),
                  QString(), MessageIcon::None);
    // A page of ours brings its layout back: the dialog comes up with it already chosen.
    adjust_layout(opened ? find_layout(doc_.Picture1().image()) : std::nullopt);
    tools_.location().place_above_page();
    doc_.commit_and_mark_unchanged();
    // A cancelled file window leaves the old page, with whatever was drawn on it unsaved (and
    // its history); an opened one starts afresh.
    if (opened) {
        doc_.mark_kept();
        doc_.start_history();
    }
}

bool DocumentCommands::menu_save_Click() {
    // Only a name the user chose in the file window is written to without asking.
    if (!doc_.has_chosen_file()) return menu_save_as_Click();
    const QString path = doc_.file_path();
    // Another program, or another copy of Strumix, may have written the file since: its work
    // is not thrown away unasked.
    if (doc_.file_changed_on_disk() &&
        !ask_yes_no(QCoreApplication::translate(
                        "DocumentCommands",
                        "\"%1\" was changed by another program since Strumix opened "
                        "or saved it. Do you want to overwrite it?")
                        .arg(path))) {
        return false;
    }
    host_.message(path, QString(), MessageIcon::None);
    QString error;
    bool saved = false;
    {
        BusyPointer busy;
        saved = doc_.save(path, &error);
    }
    if (!saved) {
        report_file_error(error);
    } else {
        file_kept(path);
    }
    return saved;
}

bool DocumentCommands::menu_save_as_Click() {
    // Until the page is written or the user cancels: a failed write is reported and the file
    // window comes back, as it was.
    for (;;) {
        const std::optional<QString> path = host_.choose_file(FilePurpose::Save, doc_.file_name());
        if (!path) return false;
        QString error;
        bool saved = false;
        {
            BusyPointer busy;
            saved = doc_.save(*path, &error);
        }
        if (saved) {
            doc_.kept_as(*path);
            file_kept(*path);
            return true;
        }
        report_file_error(error);
    }
}

void DocumentCommands::mnu_revert_Click() {
    if (!doc_.has_chosen_file()) {
        if (ask_yes_no(QCoreApplication::translate(
                "DocumentCommands", "File has not been saved yet. Do you want to save it now?")))
            menu_save_as_Click();
        return;
    }
    QString error;
    bool loaded = false;
    {
        BusyPointer busy;
        loaded = doc_.load(doc_.file_path(), &error);
        if (loaded) {
            doc_.commit_and_mark_unchanged();
            doc_.mark_kept();
        }
    }
    if (!loaded) report_file_error(error);
}

void DocumentCommands::mnu_copy_Click() {
    QString error;
    // The drawn image: numbers typed since the last commit are part of what the user sees.
    if (!host_.set_clipboard_image(doc_.Picture1().image(), &error)) {
        host_.message(error, program_title(), MessageIcon::Critical);
        return;
    }
    host_.message(QCoreApplication::translate(
                      "DocumentCommands", "Image has been succesfully copied to the clipboard."),
                  program_title(), MessageIcon::None);
}

bool DocumentCommands::query_unload() {
    if (!doc_.unsaved(Document::Moment::Ending)) return true;
    switch (host_.ask(save_changes(), program_title(), true)) {
        case Answer::No:
            return true;
        case Answer::Cancel:
        case Answer::Unanswered:
            return false;
        case Answer::Yes:
            break;
    }
    return menu_save_Click();
}

}  // namespace strumix
