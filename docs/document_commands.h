#pragma once

#include <QImage>
#include <QString>

namespace strumix {

class Editor;

// What the document commands need from the windows: the modal Page Layout dialog and file
// window, and the clipboard.
class DocumentHost {
public:
    virtual ~DocumentHost() = default;
    // Sets the Page Layout dialog's caption ("New Page Layout", "Adjust Layout to Image") and
    // shows it modally; returns when it has hidden itself.
    virtual void run_layout_dialog(const QString& caption) = 0;
    // Prepares and shows the file window modally for "open" or "Save".
    virtual void show_file_window(const QString& purpose) = 0;
    // Puts the image on the clipboard; false with the reason when that fails.
    virtual bool set_clipboard_image(const QImage& image, QString* error) = 0;
};

// The "&File" menu's commands and the questions they ask before a page is replaced.
class DocumentCommands {
public:
    DocumentCommands(Editor& editor, DocumentHost& host) : editor_(editor), host_(host) {}

    Editor& editor() { return editor_; }
    DocumentHost& host() { return host_; }

    bool ask_yes_no(const QString& prompt);
    void check_save_changes();

    void menu_new_Click();
    void menu_open_Click();
    void menu_save_Click();
    void menu_save_as_Click();
    void mnu_revert_Click();
    void mnu_copy_Click();
    // "&Adjust Layout to Image".
    void menu_page_Click();
    // Opens the page at `path` as "&Open" opens a file chosen in the file window, the layout
    // question included; used for the file the program is started with.
    void open_path(const QString& path);
    // Whether the program may end now (asks about unsaved changes).
    bool query_unload();

private:
    // What "&Open" does once the page is loaded, or the file window was cancelled: the layout
    // question, the view and the cursor box at the top, the page committed as unchanged.
    void finish_open(bool opened);

    Editor& editor_;
    DocumentHost& host_;
};

}  // namespace strumix
