#pragma once

#include <QPointer>

#include "docs/document_commands.h"

class QWidget;

namespace strumix {

class Editor;
class FileWindow;
class LayoutDialog;
class MainWindow;
class QtHost;

// The document commands' windows: the Page Layout dialog and the file window, each loaded once
// and afterwards only hidden and shown, and the clipboard.
class QtDocumentHost : public DocumentHost {
public:
    QtDocumentHost(Editor& editor, QWidget* window);
    ~QtDocumentHost() override;
    QtDocumentHost(const QtDocumentHost&) = delete;
    QtDocumentHost& operator=(const QtDocumentHost&) = delete;

    // Lets the editor's failure path find and show the dialog.
    void attach(QtHost& host);

    // The dialog, loaded now if it has not been yet.
    LayoutDialog& layout();
    bool layout_visible() const;
    // Shows the dialog modally with the caption it last had.
    void show_layout();

    // The file window, loaded now if it has not been yet.
    FileWindow& file_window();

    void run_layout_dialog(const QString& caption) override;
    void show_file_window(const QString& purpose) override;
    bool set_clipboard_image(const QImage& image, QString* error) override;

private:
    Editor& editor_;
    QPointer<QWidget> window_;
    QPointer<LayoutDialog> layout_;
    QPointer<FileWindow> file_window_;
};

// Connects the "&File" and "&Edit" menu items of the document commands.
void connect_document_menus(MainWindow& window, DocumentCommands& commands);
// Connects "&Open", "&Save", "Save &As...", "&Revert" and "&Copy Image", and asks about a
// changed page before the window closes.
void connect_file_menus(MainWindow& window, DocumentCommands& commands);

}  // namespace strumix
