#include "app/hosts.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <cmath>

#include "app/file_window.h"
#include "app/main_window.h"
#include "app/page_widget.h"
#include "document/clipboard_copy.h"
#include "layout/layout_dialog.h"

namespace strumix {

bool ViewHost::view_scrolls_down() const { return window_ && window_->vscroll()->isVisible(); }

void ViewHost::scroll_view_down_to(double fraction) {
    if (!window_) return;
    QScrollBar* bar = window_->vscroll();
    bar->setValue(static_cast<int>(std::lround(fraction * bar->maximum())));
}

void ViewHost::make_visible(const QRect& page_pixels) {
    if (window_) window_->make_visible(page_pixels);
}

void ViewHost::focus_page() {
    if (window_) window_->page()->setFocus();
}

DialogsHost::DialogsHost(Questions& questions, MainWindow& window,
                         const LayoutModel& initial_layout)
    : AskingThrough(questions),
      questions_(questions),
      window_(window),
      initial_layout_(initial_layout) {}

// The dialogs are the main window's children; it deletes them with itself.
FileWindow& DialogsHost::file_window() {
    if (!file_window_) file_window_ = new FileWindow(questions_, &window_);
    return *file_window_;
}

LayoutDialog& DialogsHost::layout_dialog() {
    if (!layout_) layout_ = new LayoutDialog(questions_, initial_layout_, &window_);
    return *layout_;
}

std::optional<QString> DialogsHost::choose_file(FilePurpose purpose, const QString& name) {
    return file_window().choose(purpose, name);
}

void DialogsHost::file_kept(const QString& path) { file_window().file_kept(path); }

LayoutAnswer DialogsHost::choose_layout(const QString& caption, const LayoutModel& layout,
                                        bool propose) {
    return layout_dialog().ask(
        QCoreApplication::translate("LayoutDialog", caption.toUtf8().constData()), layout, propose);
}

std::optional<QString> DialogsHost::choose_export_file(const QString& suggested) {
    if (export_file_chooser) return export_file_chooser(suggested);
    const QString path = QFileDialog::getSaveFileName(
        &window_, QStringLiteral("Export"), suggested,
        QCoreApplication::translate(
            "MainWindow",
            "PNG image (*.png);;PDF document (*.pdf);;Text tab (*.txt);;"
            "MusicXML (*.musicxml);;MIDI file (*.mid);;WAV sound (*.wav);;FLAC sound (*.flac)"));
    if (path.isEmpty()) return std::nullopt;
    return path;
}

std::optional<bool> DialogsHost::print(const PrintJob& job, bool preview) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(job.name);
    // The paper turned for the page before the user sees it.
    printer.setPageOrientation(job.orientation(printer.pageLayout()));
    if (preview) {
        QPrintPreviewDialog dialog(&printer, &window_);
        dialog.setWindowTitle(QCoreApplication::translate("MainWindow", "Print Preview"));
        bool printed = true;
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&](QPrinter* target) { printed = job.paint(*target) && printed; });
        dialog.exec();
        return printed;
    }
    QPrintDialog dialog(&printer, &window_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return job.paint(printer);
}

bool DialogsHost::set_clipboard_image(const QImage& image, QString* error) {
    return put_on_clipboard(image, error);
}

std::optional<QString> DialogsHost::clipboard_text() {
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty()) return std::nullopt;
    return text;
}

int DialogsHost::zoom() const { return window_.zoom(); }

void DialogsHost::set_zoom(int zoom) { window_.set_zoom(zoom); }

QByteArray DialogsHost::window_geometry() const {
    // A maximised window, as it opens at first, is kept as no geometry at all.
    return window_.isMaximized() ? QByteArray() : window_.saveGeometry();
}

void DialogsHost::show_main_window(const QByteArray& geometry) {
    if (!geometry.isEmpty() && window_.restoreGeometry(geometry)) {
        // A stored size from another screen, or a damaged one, must not open a window off every
        // screen there is now (and be stored back larger still).
        window_.keep_on_screen();
        window_.show();
        // Once shown, its frame is known too.
        window_.keep_on_screen();
    } else {
        window_.showMaximized();
    }
    window_.form_resize();
    window_.page()->setFocus();
}

QString DialogsHost::file_window_folder() const {
    return file_window_ ? file_window_->folder() : QString();
}

void DialogsHost::set_file_window_folder(const QString& folder) {
    file_window().set_folder(folder);
}

}  // namespace strumix
