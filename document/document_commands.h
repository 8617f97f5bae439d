#pragma once

#include <QString>
#include <optional>

#include "document/document.h"
#include "document/document_host.h"

namespace strumix {

// The "&File" commands, "&Adjust Layout to Image" and "&Copy Image": each asks its windows
// (the file window, the Page Layout dialog, the questions) and then loads, saves, draws and
// commits the document itself.
class DocumentCommands {
public:
    DocumentCommands(Document& document, DocumentHost& host) : doc_(document), host_(host) {}

    bool ask_yes_no(const QString& prompt);
    void check_save_changes();

    void menu_new_Click();
    void menu_open_Click();
    // Returns whether the page was written.
    bool menu_save_Click();
    bool menu_save_as_Click();
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
    void report_file_error(const QString& error);
    // The Page Layout dialog as "Adjust Layout to Image", with the layout found in the picture
    // already chosen when there is one.
    void adjust_layout(const std::optional<LayoutModel>& found);
    void say_if_open_elsewhere(const QString& path);

    Document& doc_;
    DocumentHost& host_;
};

}  // namespace strumix
