#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "app/main_window.h"
#include "app/qt_document_host.h"
#include "docs/file_window.h"

namespace strumix {

// A child of the main window, which deletes it.
FileWindow& QtDocumentHost::file_window() {
    if (!file_window_) file_window_ = new FileWindow(editor_, window_);
    return *file_window_;
}

void QtDocumentHost::show_file_window(const QString& purpose) {
    FileWindow& window = file_window();
    window.prepare(purpose);
    window.exec();
}

bool QtDocumentHost::set_clipboard_image(const QImage& image, QString* error) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || image.isNull()) {
        *error = QStringLiteral("The clipboard cannot be used.");
        return false;
    }
    // The page is the only thing offered: no text or other formats ride along.
    auto* data = new QMimeData;
    data->setImageData(image);
    clipboard->setMimeData(data, QClipboard::Clipboard);
    // When the clipboard could not be taken over, what it offers is not our page.
    if (clipboard->mimeData(QClipboard::Clipboard) != data) {
        *error = QStringLiteral("The page could not be placed on the clipboard.");
        return false;
    }
    return true;
}

void connect_file_menus(MainWindow& window, DocumentCommands& commands) {
    const std::pair<const char*, void (DocumentCommands::*)()> items[] = {
        {"menu_open", &DocumentCommands::menu_open_Click},
        {"menu_save", &DocumentCommands::menu_save_Click},
        {"menu_save_as", &DocumentCommands::menu_save_as_Click},
        {"mnu_revert", &DocumentCommands::mnu_revert_Click},
        {"mnu_copy", &DocumentCommands::mnu_copy_Click},
    };
    for (const auto& [name, handler] : items) {
        QObject::connect(window.action(QString::fromLatin1(name)), &QAction::triggered, &window,
                         [&commands, handler] { (commands.*handler)(); });
    }
    window.query_unload = [&commands] { return commands.query_unload(); };
}

}  // namespace strumix
