#pragma once

#include <QPointer>
#include <memory>

#include "app/message_boxes.h"
#include "app/recent_pages.h"
#include "app/stored_settings.h"
#include "document/document.h"
#include "document/document_commands.h"
#include "document/recovery_keeper.h"
#include "document/recovery_store.h"
#include "edit/tool_palette.h"

namespace strumix {

class FileWindow;
class LayoutDialog;
class MainWindow;
class PageOutput;
class QuitSignals;

// The program put together: the document, the tools, the main window and its dialogs, the
// document commands and the menus that run them. The program and the tests build it the same
// way; a test may answer the questions itself.
class Program {
public:
    // `questions`: who answers the program's messages and questions; the message boxes when
    // none is given. `recovery_root`: where running programs keep their unsaved pages; the
    // user's data folder when empty. `settings_file`: what one run leaves for the next (read
    // at start, written at a clean exit); none when empty, so the program starts as it always
    // has.
    explicit Program(Questions* questions = nullptr, const QString& recovery_root = QString(),
                     const QString& settings_file = QString());
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Document& document() { return doc_; }
    ToolPalette& tools() { return *tools_; }
    MainWindow& form1() { return *form1_; }
    DocumentCommands& commands() { return *commands_; }
    RecoveryStore& recovery_store() { return store_; }
    RecoveryKeeper& recovery() { return *keeper_; }
    RecentPages& recent() { return recent_; }
    PageOutput& output() { return *output_; }
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
    // File, Open Recent and a page dropped on the window: opened as File, Open opens, after
    // the save question. A recent page that is gone is said so and taken off the list.
    void open_recent(const QString& path);
    void open_dropped(const QString& path);
    // What this run leaves for the next, as it stands now.
    StoredSettings current_settings() const;
    // Written at a clean exit: everything when "Sa&ve Settings on Exit" is checked, otherwise
    // only that choice.
    void store_settings() const;

private:
    void restore_settings();
    void file_kept(const QString& path);

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
    RecentPages recent_;
    PageOutput* output_ = nullptr;
    QString settings_file_;
    StoredSettings stored_;
    QPointer<FileWindow> file_window_;
    QPointer<LayoutDialog> layout_;
    QPointer<QuitSignals> quit_signals_;
};

}  // namespace strumix
