#pragma once

#include <QPointer>
#include <memory>

#include "app/hosts.h"
#include "app/message_boxes.h"
#include "document/document.h"
#include "document/recovery_keeper.h"
#include "document/recovery_store.h"
#include "edit/tool_palette.h"
#include "flows/user_flows.h"

namespace strumix {

class FileWindow;
class LayoutDialog;
class MainWindow;
class QuitSignals;

// The program put together: the document, the tools, the main window with its menus, the
// dialogs, and the user flows that run them. It only assembles; main() and the tests build it
// the same way, and a test may answer the questions itself.
class Assembly {
public:
    // `questions`: who answers the program's messages and questions; the message boxes when
    // none is given. `recovery_root`: where running programs keep their unsaved pages; the
    // user's data folder when empty. `settings_file`: what one run leaves for the next; none
    // when empty, so the program starts as it always has.
    // `sound`: where the page is heard; the sound device when none is given.
    explicit Assembly(Questions* questions = nullptr, const QString& recovery_root = QString(),
                      const QString& settings_file = QString(), SoundOutput* sound = nullptr);
    ~Assembly();
    Assembly(const Assembly&) = delete;
    Assembly& operator=(const Assembly&) = delete;

    Document& document() { return doc_; }
    ToolPalette& tools() { return *tools_; }
    MainWindow& form1() { return *form1_; }
    UserFlows& flows() { return *flows_; }
    DocumentCommands& commands() { return flows_->commands(); }
    RecoveryKeeper& recovery() { return *keeper_; }
    DialogsHost& dialogs() { return *dialogs_; }
    FileWindow& file_window() { return dialogs_->file_window(); }
    LayoutDialog& layout_dialog() { return dialogs_->layout_dialog(); }

    // The main window's load: the help file registered, the window centred, the start-up
    // layout drawn and committed, the cursor box at home, number entry selected, and the file
    // window loaded hidden.
    void start();
    // What the title window's button does.
    void enter() { flows_->enter(); }
    // SIGTERM, SIGHUP and SIGINT keep the unsaved page for the next start and end the program.
    void end_on_quit_signals();

private:
    void wire_playback();
    void sync_play_menu();

    MessageBoxes boxes_;
    Questions& questions_;
    DeviceSound device_sound_;
    SoundOutput& sound_;
    Document doc_;
    RecoveryStore store_;
    std::unique_ptr<RecoveryKeeper> keeper_;
    std::unique_ptr<ViewHost> view_host_;
    std::unique_ptr<ToolPalette> tools_;
    std::unique_ptr<MainWindow> form1_;
    std::unique_ptr<DialogsHost> dialogs_;
    std::unique_ptr<UserFlows> flows_;
    QPointer<QuitSignals> quit_signals_;
};

}  // namespace strumix
