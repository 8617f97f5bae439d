#include "app/qt_document_host.h"

#include "app/main_window.h"
#include "app/qt_host.h"
#include "layout/layout_dialog.h"

namespace strumix {

QtDocumentHost::QtDocumentHost(Editor& editor, QWidget* window)
    : editor_(editor), window_(window) {}

// The dialog is a child of the main window, which deletes it when it goes first.
QtDocumentHost::~QtDocumentHost() { delete layout_.data(); }

void QtDocumentHost::attach(QtHost& host) {
    host.layout_visible = [this] { return layout_visible(); };
    host.show_layout = [this] { show_layout(); };
}

LayoutDialog& QtDocumentHost::layout() {
    if (!layout_) layout_ = new LayoutDialog(editor_, window_);
    return *layout_;
}

bool QtDocumentHost::layout_visible() const { return layout_ && layout_->isVisible(); }

void QtDocumentHost::show_layout() { layout().run_modal(); }

void QtDocumentHost::run_layout_dialog(const QString& caption) {
    layout().set_caption(caption);
    layout().run_modal();
}

void QtDocumentHost::show_file_window(const QString&) {}

bool QtDocumentHost::set_clipboard_image(const QImage&, QString* error) {
    if (error) *error = QStringLiteral("Copying to the clipboard is not available yet.");
    return false;
}

void connect_document_menus(MainWindow& window, DocumentCommands& commands) {
    QObject::connect(window.action(QStringLiteral("menu_new")), &QAction::triggered, &window,
                     [&commands] { commands.menu_new_Click(); });
    QObject::connect(window.action(QStringLiteral("menu_page")), &QAction::triggered, &window,
                     [&commands] { commands.menu_page_Click(); });
}

}  // namespace strumix
