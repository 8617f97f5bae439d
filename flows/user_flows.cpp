#include "flows/user_flows.h"

#include <QCoreApplication>

#include "document/recovery_keeper.h"
#include "document/recovery_store.h"
#include "edit/tool_palette.h"
#include "files/regular_file.h"
#include "flows/flows_host.h"
#include "flows/window_state.h"
#include "page/program_facts.h"

namespace strumix {

UserFlows::UserFlows(Document& document, ToolPalette& tools, FlowsHost& host, WindowState& windows,
                     RecoveryStore& store, RecoveryKeeper& keeper, SoundOutput& sound,
                     const QString& settings_file, QObject* parent)
    : QObject(parent),
      doc_(document),
      tools_(tools),
      host_(host),
      windows_(windows),
      store_(store),
      keeper_(keeper),
      commands_(document, tools, host),
      playback_(document, tools.location(), host, sound),
      output_(document, host, [this] { return playback_.music(); }),
      settings_file_(settings_file) {
    commands_.open_elsewhere = [this](const QString& path) { return store_.open_elsewhere(path); };
    commands_.kept = [this](const QString& path) { recent_.add(path); };
    // Said once, not at every edit; the page can still be saved as ever.
    connect(&keeper_, &RecoveryKeeper::cannotKeep, this, [this](const QString& reason) {
        host_.message(
            QCoreApplication::translate("UserFlows",
                                        "Strumix cannot keep a copy of this page to recover it "
                                        "after a crash: %1\nSave the page to keep it.")
                .arg(reason),
            program_title(), MessageIcon::Warning);
    });
}

void UserFlows::start() {
    if (!settings_file_.isEmpty()) stored_ = load_settings_file(settings_file_);
    if (stored_.layout) {
        doc_.start(*stored_.layout);
    } else {
        doc_.start();
    }
    tools_.start();
    restore_settings();
}

void UserFlows::set_save_on_exit(bool save) {
    if (save_on_exit_ == save) return;
    save_on_exit_ = save;
    emit saveOnExitChanged(save);
}

void UserFlows::restore_settings() {
    set_save_on_exit(stored_.save_on_exit);
    CursorBox& box = tools_.location();
    if (stored_.motion || stored_.refresh || stored_.follow) {
        box.restore_settings(stored_.motion.value_or(box.cursor_motion()),
                             stored_.refresh.value_or(box.refresh_on()),
                             stored_.follow.value_or(box.follow_checked()));
    }
    if (stored_.draw_options) tools_.restore_opt(*stored_.draw_options);
    if (stored_.folder) windows_.set_file_window_folder(*stored_.folder);
    recent_.set_paths(stored_.recent);
    if (stored_.tempo) playback_.set_tempo(*stored_.tempo);
    if (stored_.loop) playback_.set_loop(*stored_.loop);
    if (stored_.count_in) playback_.set_count_in(*stored_.count_in);
    for (int staff = 0; staff < kMaxStaffs; ++staff)
        playback_.set_instrument(staff, stored_.instruments[std::size_t(staff)]);
}

StoredSettings UserFlows::current_settings() const {
    StoredSettings now;
    now.save_on_exit = save_on_exit_;
    now.layout = doc_.model();
    const CursorBox& box = tools_.location();
    now.motion = box.cursor_motion();
    now.refresh = box.refresh_on();
    now.follow = box.follow_checked();
    now.draw_options = tools_.opt();
    now.zoom = windows_.zoom();
    const QString folder = windows_.file_window_folder();
    if (!folder.isEmpty()) now.folder = folder;
    now.recent = recent_.paths();
    now.window_geometry = windows_.window_geometry();
    now.tempo = playback_.tempo();
    now.loop = playback_.loop();
    now.count_in = playback_.count_in();
    for (int staff = 0; staff < kMaxStaffs; ++staff)
        now.instruments[std::size_t(staff)] = playback_.chosen_instrument(staff);
    return now;
}

void UserFlows::store_settings() const {
    if (settings_file_.isEmpty()) return;
    QString error;
    if (!save_settings_file(settings_file_, current_settings(), &error)) {
        host_.message(QCoreApplication::translate(
                          "UserFlows", "Strumix could not keep its settings in \"%1\": %2")
                          .arg(settings_file_, error),
                      program_title(), MessageIcon::Warning);
    }
}

bool UserFlows::query_unload() {
    if (!commands_.query_unload()) return false;
    // A clean exit keeps no unsaved page: the user has saved it or chosen not to.
    keeper_.discard();
    store_settings();
    return true;
}

void UserFlows::open_recent(const QString& path) {
    const FileKind kind = file_kind(path);
    if (kind != FileKind::Regular) {
        recent_.remove(path);
        const QString what =
            kind == FileKind::Missing
                ? QCoreApplication::translate("UserFlows", "\"%1\" no longer exists.").arg(path)
                : QCoreApplication::translate("UserFlows", "\"%1\" is %2, not a page.")
                      .arg(path, file_kind_words(kind));
        host_.message(what + QCoreApplication::translate(
                                 "UserFlows", " It has been taken off the recent pages."),
                      program_title(), MessageIcon::Warning);
        return;
    }
    commands_.open_path(path);
}

void UserFlows::enter() {
    windows_.show_main_window(stored_.window_geometry);
    if (stored_.zoom) windows_.set_zoom(*stored_.zoom);
    offer_recovery();
}

void UserFlows::offer_recovery() {
    for (const QString& folder : store_.claim_orphans()) {
        const std::optional<RecoveryData> data = RecoveryStore::read(folder);
        if (!data) {
            store_.remove(folder);
            continue;
        }
        const QString name =
            data->file_name.isEmpty() ? QStringLiteral("Untitled") : data->file_name;
        const Answer answer =
            host_.ask(QCoreApplication::translate(
                          "UserFlows",
                          "Strumix ended before the page \"%1\" was saved. Do you want to "
                          "recover it?")
                          .arg(name),
                      program_title(), false);
        if (answer == Answer::Unanswered) {
            // The question was closed unanswered (the program is being ended): this page and
            // any other waiting are offered again at the next start.
            store_.release(folder);
            return;
        }
        if (answer != Answer::Yes) {
            store_.remove(folder);
            continue;
        }
        RecoveryKeeper::recover_into(doc_, *data);
        store_.remove(folder);
        // As after an open, the box waits above the first string, clear of the page's numbers.
        tools_.location().place_above_page();
        // One page at a time: any other left unsaved is offered at the next start.
        return;
    }
}

}  // namespace strumix
