#pragma once

#include <QPointer>
#include <memory>

#include "app/message_boxes.h"
#include "document/document.h"
#include "document/document_commands.h"
#include "document/recovery_keeper.h"
#include "document/recovery_store.h"
#include "edit/tool_palette.h"

namespace strumix {

class FileWindow;
class LayoutDialog;
class MainWindow;
class QuitSignals;

// The program put together: the document, the tools, the main window and its dialogs, the
// document commands and the menus that run them. The program and the tests build it the same
// way; a test may answer the questions itself.
class Program {
public:
    // `questions`: who answers the program's messages and questions; the message boxes when
    // none is given. `recovery_root`: where running programs keep their unsaved pages; the
    // user's data folder when empty.
    explicit Program(Questions* questions = nullptr, const QString& recovery_root = QString());
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Document& document() { return doc_; }
    ToolPalette& tools() { return *tools_; }
    MainWindow& form1() { return *form1_; }
    DocumentCommands& commands() { return *commands_; }
    RecoveryStore& recovery_store() { return store_; }
    RecoveryKeeper& recovery() { return *keeper_; }
    // The dialogs, each loaded on first use and afterwards only hidden and shown.
    FileWindow& file_window();
    LayoutDialog& layout_dialog();

    // The main window's load: the help file registered, the window centred, the start-up
    // layout drawn and committed, the cursor box at home, number entry selected, and the file
    // window loaded hidden.
    void start();
    // What the title window's button does: the main window shown maximised, the page focused,
    // and each page that a program no longer running left unsaved offered for recovery.
    void enter();
    void offer_recovery();
    // SIGTERM, SIGHUP and SIGINT keep the unsaved page for the next start and end the program.
    void end_on_quit_signals();

private:
    class ViewHost;
    class WindowsHost;

    MessageBoxes boxes_;
    Questions& questions_;
    Document doc_;
    RecoveryStore store_;
    std::unique_ptr<RecoveryKeeper> keeper_;
    std::unique_ptr<ViewHost> view_host_;
    std::unique_ptr<ToolPalette> tools_;
    std::unique_ptr<MainWindow> form1_;
    std::unique_ptr<WindowsHost> windows_host_;
    std::unique_ptr<DocumentCommands> commands_;
    QPointer<FileWindow> file_window_;
    QPointer<LayoutDialog> layout_;
    QPointer<QuitSignals> quit_signals_;
};

}  // namespace strumix
