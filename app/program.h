#pragma once

#include <QPointer>
#include <memory>

#include "app/message_boxes.h"
#include "document/document.h"
#include "document/document_commands.h"
#include "edit/tool_palette.h"

namespace strumix {

class FileWindow;
class LayoutDialog;
class MainWindow;

// The program put together: the document, the tools, the main window and its dialogs, the
// document commands and the menus that run them. The program and the tests build it the same
// way; a test may answer the questions itself.
class Program {
public:
    // `questions`: who answers the program's messages and questions; the message boxes when
    // none is given.
    explicit Program(Questions* questions = nullptr);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Document& document() { return doc_; }
    ToolPalette& tools() { return *tools_; }
    MainWindow& form1() { return *form1_; }
    DocumentCommands& commands() { return *commands_; }
    // The dialogs, each loaded on first use and afterwards only hidden and shown.
    FileWindow& file_window();
    LayoutDialog& layout_dialog();

    // The main window's load: the help file registered, the window centred, the start-up
    // layout drawn and committed, the cursor box at home, number entry selected, and the file
    // window loaded hidden.
    void start();
    // What the title window's button does: the main window shown maximised, the page focused.
    void enter();

private:
    class ViewHost;
    class WindowsHost;

    MessageBoxes boxes_;
    Questions& questions_;
    Document doc_;
    std::unique_ptr<ViewHost> view_host_;
    std::unique_ptr<ToolPalette> tools_;
    std::unique_ptr<MainWindow> form1_;
    std::unique_ptr<WindowsHost> windows_host_;
    std::unique_ptr<DocumentCommands> commands_;
    QPointer<FileWindow> file_window_;
    QPointer<LayoutDialog> layout_;
};

}  // namespace strumix
