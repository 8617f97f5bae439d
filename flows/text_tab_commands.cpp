// Taking a text tab in: from a text file opened or dropped, or from the clipboard.
#include <QDir>
#include <QFileInfo>

#include "document/busy_pointer.h"

#include <QCoreApplication>
#include "document/text_tab_import.h"
#include "edit/tool_palette.h"
#include "files/page_file.h"
#include "flows/document_commands.h"
#include "page/program_facts.h"

namespace strumix {

void DocumentCommands::mnu_paste_text_tab_Click() {
    const std::optional<QString> text = host_.clipboard_text();
    if (!text || text->trimmed().isEmpty()) {
        host_.message(
            QCoreApplication::translate("DocumentCommands",
                                        "The clipboard holds no text to take in as a text tab."),
            program_title(), MessageIcon::Information);
        return;
    }
    check_save_changes();
    take_in_text_tab(*text, QString());
}

bool DocumentCommands::take_in_text_tab(const QString& text, const QString& source) {
    ImportedTab imported;
    QString error;
    bool made = false;
    {
        BusyPointer busy;
        made = import_text_tab(text, &imported, &error);
    }
    if (!made) {
        report_file_error(error);
        return false;
    }
    const ImportedTab::Page& first = imported.pages.front();
    // A new page with no file yet: it counts as changed, so Save asks where it goes.
    doc_.recover(std::make_shared<const QImage>(first.picture), first.layout,
                 QStringLiteral("Untitled"), QString(), FileStamp());
    doc_.commit_and_mark_unchanged();
    tools_.show_page_top();
    tools_.location().cursor_home();
    tools_.btn_mode_Click(0);

    const QString named = source.isEmpty()
                              ? QStringLiteral("Untitled.tab")
                              : QFileInfo(source).dir().filePath(
                                    QFileInfo(source).completeBaseName() + QStringLiteral(".tab"));
    QStringList names = page_file_names(named, int(imported.pages.size()));
    const QString report = import_report(imported, names);
    if (imported.pages.size() < 2) {
        if (!report.isEmpty()) host_.message(report, program_title(), MessageIcon::Information);
        return true;
    }
    if (!ask_yes_no(report)) return true;
    // From the clipboard the pages have no folder yet: the file window chooses the first name.
    if (source.isEmpty()) {
        const std::optional<QString> chosen = host_.choose_file(FilePurpose::Save, named);
        if (!chosen) return true;
        names = page_file_names(*chosen, int(imported.pages.size()));
    }
    std::vector<QImage> pages;
    for (const ImportedTab::Page& page : imported.pages) pages.push_back(page.picture);
    save_pages(pages, names);
    return true;
}

bool DocumentCommands::save_pages(const std::vector<QImage>& pages, const QStringList& names) {
    QStringList there;
    for (const QString& name : names)
        if (QFileInfo::exists(name)) there << QFileInfo(name).fileName();
    if (!there.isEmpty() &&
        !ask_yes_no(
            there.size() == 1
                ? QCoreApplication::translate("DocumentCommands",
                                              "There is already a file named %1. Do you want to "
                                              "replace it?")
                      .arg(there.front())
                : QCoreApplication::translate("DocumentCommands",
                                              "There are already files named %1. Do you want to "
                                              "replace them?")
                      .arg(there.join(QStringLiteral(", ")))))
        return false;
    BusyPointer busy;
    QString error;
    if (!doc_.save(names.front(), &error)) {
        report_file_error(error);
        return false;
    }
    doc_.kept_as(names.front());
    file_kept(names.front());
    for (std::size_t i = 1; i < pages.size(); ++i) {
        if (!write_page_file(names[qsizetype(i)], pages[i], &error)) {
            report_file_error(error);
            return false;
        }
    }
    return true;
}

}  // namespace strumix
