#include "app/qt_document_host.h"

#include "app/main_window.h"
#include "app/qt_host.h"
#include "docs/file_window.h"
#include "layout/layout_dialog.h"

namespace strumix {

QtDocumentHost::QtDocumentHost(Editor& editor, QWidget* window)
    : editor_(editor), window_(window) {}

// The windows are children of the main window, which deletes them when it goes first.
QtDocumentHost::~QtDocumentHost() {
    delete layout_.data();
    delete file_window_.data();
}

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

void connect_document_menus(MainWindow& window, DocumentCommands& commands) {
    QObject::connect(window.action(QStringLiteral("menu_new")), &QAction::triggered, &window,
                     [&commands] { commands.menu_new_Click(); });
    QObject::connect(window.action(QStringLiteral("menu_page")), &QAction::triggered, &window,
                     [&commands] { commands.menu_page_Click(); });
}

}  // namespace strumix
