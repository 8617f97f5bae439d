#pragma once

#include <QPointer>

#include "docs/document_commands.h"

class QWidget;

namespace strumix {

class Editor;
class LayoutDialog;
class MainWindow;
class QtHost;

// The document commands' windows: the Page Layout dialog, loaded on first use and afterwards
// only hidden and shown; the file window and the clipboard arrive with the file window.
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

    void run_layout_dialog(const QString& caption) override;
    // Arrives with the file window; until then nothing is shown.
    void show_file_window(const QString& purpose) override;
    // Arrives with the file window's clipboard part; until then nothing is copied and the
    // reason says so.
    bool set_clipboard_image(const QImage& image, QString* error) override;

private:
    Editor& editor_;
    QPointer<QWidget> window_;
    QPointer<LayoutDialog> layout_;
};

// Connects the "&File" and "&Edit" menu items of the document commands.
void connect_document_menus(MainWindow& window, DocumentCommands& commands);

}  // namespace strumix
