#include "app/page_output.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "document/document.h"
#include "document/page_export.h"
#include "document/questions.h"
#include "page/program.h"

namespace strumix {

PageOutput::PageOutput(Document& document, Questions& questions, QWidget* window)
    : QObject(window), doc_(document), questions_(questions), window_(window) {
    choose_export_file = [this](const QString& suggested) -> std::optional<QString> {
        const QString path =
            QFileDialog::getSaveFileName(window_, QStringLiteral("Export"), suggested,
                                         QStringLiteral("PNG image (*.png);;PDF document (*.pdf)"));
        if (path.isEmpty()) return std::nullopt;
        return path;
    };
}

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
    for (;;) {
        const std::optional<QString> path = choose_export_file(suggested_export_name());
        if (!path) return;
        QString error;
        // The drawn image: what the user sees, numbers typed since the last commit included.
        if (export_page(*path, doc_.Picture1().image(), doc_.model(), &error)) return;
        questions_.message(error, program_title(), MessageIcon::Critical);
    }
}

void PageOutput::print_on(QPrinter& printer) {
    if (!paint_page_sheets(printer, doc_.Picture1().image(), doc_.model())) {
        questions_.message(QStringLiteral("The page could not be printed."), program_title(),
                           MessageIcon::Critical);
    }
}

void PageOutput::prepare(QPrinter& printer) const {
    printer.setDocName(doc_.file_name());
    printer.setPageOrientation(orientation_for(doc_.Picture1().image(), printer.pageLayout()));
}

void PageOutput::mnu_print_Click() {
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer);
    QPrintDialog dialog(&printer, window_);
    if (dialog.exec() != QDialog::Accepted) return;
    print_on(printer);
}

void PageOutput::mnu_print_preview_Click() {
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer);
    QPrintPreviewDialog preview(&printer, window_);
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { print_on(*target); });
    preview.exec();
}

}  // namespace strumix
