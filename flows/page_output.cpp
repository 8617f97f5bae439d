#include "flows/page_output.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "document/document.h"
#include "document/page_export.h"
#include "flows/flows_host.h"
#include "page/program_facts.h"

namespace strumix {

QString PageOutput::suggested_export_name() const {
    const QFileInfo page(doc_.file_path());
    const QString folder =
        doc_.has_chosen_file()
            ? page.absolutePath()
            : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString base = QFileInfo(doc_.file_name()).completeBaseName();
    if (base.isEmpty()) base = QStringLiteral("Untitled");
    return QDir(folder).filePath(base + QStringLiteral(".png"));
}

void PageOutput::mnu_export_Click() {
    // Until the page is written or the user cancels: a failed export is said, and the choice
    // comes back.
    while (const std::optional<QString> path = host_.choose_export_file(suggested_export_name())) {
        QString error;
        QString notice;
        // The drawn image: what the user sees, numbers typed since the last commit included.
        const MusicChoices music = music_ ? music_() : MusicChoices();
        if (export_page(*path, doc_.Picture1().image(), doc_.model(), &error, &notice, music)) {
            // The notes are written, but not all of them: the user learns which are missing.
            if (!notice.isEmpty()) host_.message(notice, program_title(), MessageIcon::Information);
            return;
        }
        host_.message(error, program_title(), MessageIcon::Critical);
    }
}

void PageOutput::print(bool preview) {
    const QImage page = doc_.Picture1().image();
    const LayoutModel layout = doc_.model();
    const PrintJob job{doc_.file_name(),
                       [page](const QPageLayout& paper) { return orientation_for(page, paper); },
                       [page, layout](QPagedPaintDevice& device) {
                           return paint_page_sheets(device, page, layout);
                       }};
    if (host_.print(job, preview) == std::optional<bool>(false)) {
        host_.message(QCoreApplication::translate("PageOutput", "The page could not be printed."),
                      program_title(), MessageIcon::Critical);
    }
}

void PageOutput::mnu_print_Click() { print(false); }

void PageOutput::mnu_print_preview_Click() { print(true); }

}  // namespace strumix
