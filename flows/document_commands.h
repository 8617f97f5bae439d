#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include <QImage>
#include <QStringList>

#include "document/document.h"
#include "flows/flows_host.h"

namespace strumix {

class ToolPalette;

// The "&File" commands, "&Adjust Layout to Image" and "&Copy Image": each asks its windows
// (the file window, the Page Layout dialog, the questions) and then loads, saves, draws and
// commits the document itself, and puts the tools where the page needs them.
class DocumentCommands {
public:
    DocumentCommands(Document& document, ToolPalette& tools, FlowsHost& host)
        : doc_(document), tools_(tools), host_(host) {}

    // Whether another running Strumix has the file at `path` open; none by default.
    std::function<bool(const QString& path)> open_elsewhere;
    // The page was just opened from or saved to `path`.
    std::function<void(const QString& path)> kept;

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
    // Opens the page at `path` as "&Open" opens a file chosen in the file window, after the
    // save question: for the file the program is started with, a recent page and a drop. A
    // file that cannot be opened is said so, and nothing else happens.
    void open_path(const QString& path);
    // Whether the program may end now (asks about unsaved changes).
    bool query_unload();
    // "&Paste Text Tab": the clipboard's text taken in as a text tab, after the save question.
    void mnu_paste_text_tab_Click();

private:
    // Loads the page at `path` and everything an opened page brings: its names, the questions
    // about it, its layout. False, with the reason said, when it cannot be read.
    bool open_file(const QString& path);
    // What "&Open" does once the page is loaded, or the file window was cancelled: the layout
    // question, the view and the cursor box at the top, the page committed as unchanged.
    void finish_open(bool opened);
    void report_file_error(const QString& error);
    // The Page Layout dialog as "Adjust Layout to Image", with the layout found in the picture
    // already chosen when there is one.
    void adjust_layout(const std::optional<LayoutModel>& found);
    void say_if_open_elsewhere(const QString& path);
    // A text tab drawn on pages fitted to it, the first shown as a new page that has no file
    // yet; what was left out is said, and a tab of several pages offers to save them all
    // beside `source` (the text file it came from; none for the clipboard's).
    bool take_in_text_tab(const QString& text, const QString& source);
    // Writes each page to its name, the first as the page shown; false when the user keeps
    // files that are there or a write fails (said).
    bool save_pages(const std::vector<QImage>& pages, const QStringList& names);
    void file_kept(const QString& path);

    Document& doc_;
    ToolPalette& tools_;
    FlowsHost& host_;
};

}  // namespace strumix
