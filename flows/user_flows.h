#pragma once

#include <QObject>
#include <QString>

#include "flows/document_commands.h"
#include "flows/page_output.h"
#include "flows/page_playback.h"
#include "flows/recent_pages.h"
#include "flows/stored_settings.h"

namespace strumix {

class Document;
class FlowsHost;
class RecoveryKeeper;
class RecoveryStore;
class ToolPalette;
class WindowState;

// Everything the user does with whole pages and with the program, written once each: new,
// open (from the menu, the command line, the recent pages and a drop), save, save as, revert,
// export, print, the recovery offer at start-up, and the settings one run leaves the next. The
// windows only show and ask.
class UserFlows : public QObject {
    Q_OBJECT

public:
    // `settings_file`: what one run leaves for the next (read at start, written at a clean
    // exit); none when empty, so the program starts as it always has.
    UserFlows(Document& document, ToolPalette& tools, FlowsHost& host, WindowState& windows,
              RecoveryStore& store, RecoveryKeeper& keeper, SoundOutput& sound,
              const QString& settings_file, QObject* parent = nullptr);

    DocumentCommands& commands() { return commands_; }
    PageOutput& output() { return output_; }
    PagePlayback& playback() { return playback_; }
    RecentPages& recent() { return recent_; }

    // The main window's load: the settings read, the start-up layout (or the one a previous run
    // left) drawn and committed, the tools and their settings as they were.
    void start();
    // What the title window's button does: the main window shown as it was, and each page that
    // a program no longer running left unsaved offered for recovery.
    void enter();
    void offer_recovery();

    // A recent page, opened as File, Open opens; one that is gone, or is no page file, is said
    // so and taken off the list.
    void open_recent(const QString& path);
    // Whether the program may end now: asked about unsaved drawing; on yes the unsaved page's
    // recovery data goes and the settings are kept.
    bool query_unload();

    // "Sa&ve Settings on Exit".
    bool save_on_exit() const { return save_on_exit_; }
    void set_save_on_exit(bool save);
    // What this run leaves for the next, as it stands now.
    StoredSettings current_settings() const;
    // Written at a clean exit: everything when "Sa&ve Settings on Exit" is checked, otherwise
    // only that choice. A write that fails is said, and the last good settings stay.
    void store_settings() const;

signals:
    void saveOnExitChanged(bool save);

private:
    void restore_settings();

    Document& doc_;
    ToolPalette& tools_;
    FlowsHost& host_;
    WindowState& windows_;
    RecoveryStore& store_;
    RecoveryKeeper& keeper_;
    DocumentCommands commands_;
    PagePlayback playback_;
    PageOutput output_;
    RecentPages recent_;
    QString settings_file_;
    StoredSettings stored_;
    bool save_on_exit_ = true;
};

}  // namespace strumix
