#include "app/program.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>

#include "app/file_window.h"
#include "app/help_file.h"
#include "app/main_window.h"
#include "app/page_output.h"
#include "app/page_widget.h"
#include "app/quit_signals.h"
#include "document/clipboard_copy.h"
#include "edit/edit_host.h"
#include "files/regular_file.h"
#include "layout/layout_dialog.h"
#include "page/program.h"

namespace strumix {

namespace {

// An interface of ours that asks questions, answered by whoever answers the program's.
template <class Base>
class AskingThrough : public Base {
public:
    explicit AskingThrough(Questions& questions) : questions_(questions) {}

    void message(const QString& text, const QString& title, MessageIcon icon) override {
        questions_.message(text, title, icon);
    }
    Answer ask(const QString& text, const QString& title, bool with_cancel) override {
        return questions_.ask(text, title, with_cancel);
    }
    std::optional<QString> input_box(const QString& prompt, const QString& title,
                                     const QString& default_text) override {
        return questions_.input_box(prompt, title, default_text);
    }

private:
    Questions& questions_;
};

}  // namespace

// The tools' questions, and the page view's scroll bar and focus.
class Program::ViewHost : public AskingThrough<EditHost> {
public:
    using AskingThrough::AskingThrough;
    void set_window(MainWindow* window) { window_ = window; }
    bool vscroll_visible() const override { return window_ && window_->vscroll()->isVisible(); }
    int vscroll_value() const override { return window_ ? window_->vscroll()->value() : 0; }
    int vscroll_minimum() const override { return window_ ? window_->vscroll()->minimum() : 0; }
    int vscroll_maximum() const override { return window_ ? window_->vscroll()->maximum() : 0; }
    void set_vscroll_value(int value) override {
        if (window_) window_->vscroll()->setValue(value);
    }
    void focus_page() override {
        if (window_) window_->page()->setFocus();
    }

private:
    MainWindow* window_ = nullptr;
};

// The document commands' windows: the file window, the Page Layout dialog, the clipboard, and
// the view and tools around the page.
class Program::WindowsHost : public AskingThrough<DocumentHost> {
public:
    WindowsHost(Program& program, Questions& questions, ViewHost& view)
        : AskingThrough(questions), program_(program), view_(view) {}
    std::optional<QString> choose_file(FilePurpose purpose, const QString& name) override {
        return program_.file_window().choose(purpose, name);
    }
    void file_kept(const QString& path) override { program_.file_kept(path); }
    LayoutAnswer choose_layout(const QString& caption, const LayoutModel& layout,
                               bool propose) override {
        return program_.layout_dialog().ask(caption, layout, propose);
    }
    bool set_clipboard_image(const QImage& image, QString* error) override {
        return put_on_clipboard(image, error);
    }
    bool open_in_another_copy(const QString& path) override {
        return program_.recovery_store().open_elsewhere(path);
    }
    void form_resize() override { program_.form1().form_resize(); }
    void scroll_to_top() override {
        if (view_.vscroll_visible()) view_.set_vscroll_value(view_.vscroll_minimum());
    }
    void cursor_home() override { program_.tools().location().cursor_home(); }
    void cursor_to_page_top() override {
        CursorBox& box = program_.tools().location();
        box.place(LayoutModel::home_column(), 2);
        box.follow_cursor();
    }
    void select_number_entry() override { program_.tools().btn_mode_Click(0); }

private:
    Program& program_;
    ViewHost& view_;
};

Program::Program(Questions* questions, const QString& recovery_root, const QString& settings_file)
    : questions_(questions ? *questions : boxes_),
      store_(recovery_root),
      keeper_(std::make_unique<RecoveryKeeper>(doc_, store_)),
      view_host_(std::make_unique<ViewHost>(questions_)),
      tools_(std::make_unique<ToolPalette>(doc_, *view_host_)),
      form1_(std::make_unique<MainWindow>(doc_, *tools_)),
      windows_host_(std::make_unique<WindowsHost>(*this, questions_, *view_host_)),
      commands_(std::make_unique<DocumentCommands>(doc_, *windows_host_)),
      output_(new PageOutput(doc_, questions_, form1_.get())),
      settings_file_(settings_file) {
    boxes_.set_window(form1_.get());
    view_host_->set_window(form1_.get());
    DocumentCommands& commands = *commands_;
    const std::pair<const char*, std::function<void()>> items[] = {
        {"menu_new", [&commands] { commands.menu_new_Click(); }},
        {"menu_open", [&commands] { commands.menu_open_Click(); }},
        {"menu_save", [&commands] { commands.menu_save_Click(); }},
        {"menu_save_as", [&commands] { commands.menu_save_as_Click(); }},
        {"mnu_revert", [&commands] { commands.mnu_revert_Click(); }},
        {"mnu_copy", [&commands] { commands.mnu_copy_Click(); }},
        {"menu_page", [&commands] { commands.menu_page_Click(); }},
        {"mnu_export", [this] { output_->mnu_export_Click(); }},
        {"mnu_print", [this] { output_->mnu_print_Click(); }},
        {"mnu_print_preview", [this] { output_->mnu_print_preview_Click(); }},
    };
    for (const auto& [name, run] : items) {
        QObject::connect(form1_->action(QString::fromLatin1(name)), &QAction::triggered,
                         form1_.get(), run);
    }
    QMenu* recent_menu = form1_->menu(QStringLiteral("menu_recent"));
    QObject::connect(&recent_, &RecentPages::changed, recent_menu,
                     [this, recent_menu] { recent_.fill_menu(*recent_menu); });
    recent_.fill_menu(*recent_menu);
    QObject::connect(&recent_, &RecentPages::chosen, form1_.get(),
                     [this](const QString& path) { open_recent(path); });
    QObject::connect(form1_.get(), &MainWindow::pageDropped, form1_.get(),
                     [this](const QString& path) { open_dropped(path); });
    // Said once, not at every edit; the page can still be saved as ever.
    QObject::connect(
        keeper_.get(), &RecoveryKeeper::cannotKeep, form1_.get(), [this](const QString& reason) {
            questions_.message(QStringLiteral("Strumix cannot keep a copy of this page to recover "
                                              "it after a crash: %1\nSave the page to keep it.")
                                   .arg(reason),
                               program_title(), MessageIcon::Warning);
        });
    // A clean exit keeps no unsaved page: the user has saved it or chosen not to.
    form1_->query_unload = [this, &commands] {
        if (!commands.query_unload()) return false;
        keeper_->discard();
        store_settings();
        return true;
    };
}

// The dialogs are the main window's children; it deletes them with itself.
Program::~Program() = default;

FileWindow& Program::file_window() {
    if (!file_window_) file_window_ = new FileWindow(questions_, form1_.get());
    return *file_window_;
}

LayoutDialog& Program::layout_dialog() {
    if (!layout_) layout_ = new LayoutDialog(questions_, doc_.model(), form1_.get());
    return *layout_;
}

void Program::start() {
    register_help_file(locate_help_file(QCoreApplication::applicationDirPath()));
    if (!settings_file_.isEmpty()) stored_ = load_settings_file(settings_file_);
    // Loaded hidden at start-up, its folder list at the program's folder (or the user's
    // documents when the program's folder is not theirs to write in).
    file_window();
    form1_->center_window();
    if (stored_.layout) {
        doc_.start(*stored_.layout);
    } else {
        doc_.start();
    }
    tools_->start();
    restore_settings();
}

void Program::restore_settings() {
    form1_->action(QStringLiteral("option_save_settings"))->setChecked(stored_.save_on_exit);
    CursorBox& box = tools_->location();
    if (stored_.motion || stored_.refresh || stored_.follow) {
        box.restore_settings(stored_.motion.value_or(box.checked_motion_index()),
                             stored_.refresh.value_or(box.refresh_on()),
                             stored_.follow.value_or(box.follow_checked()));
    }
    if (stored_.draw_options) tools_->restore_opt(*stored_.draw_options);
    if (stored_.folder) file_window().set_folder(*stored_.folder);
    recent_.set_paths(stored_.recent);
}

StoredSettings Program::current_settings() const {
    StoredSettings now;
    now.save_on_exit = form1_->action(QStringLiteral("option_save_settings"))->isChecked();
    now.layout = doc_.model();
    const CursorBox& box = tools_->location();
    if (box.checked_motion_index() >= 0) now.motion = box.checked_motion_index();
    now.refresh = box.refresh_on();
    now.follow = box.follow_checked();
    now.draw_options = tools_->opt();
    now.zoom = form1_->zoom();
    if (file_window_) now.folder = file_window_->folder();
    now.recent = recent_.paths();
    // A maximised window, as it opens at first, is kept as no geometry at all.
    if (!form1_->isMaximized()) now.window_geometry = form1_->saveGeometry();
    return now;
}

void Program::store_settings() const {
    if (settings_file_.isEmpty()) return;
    QString error;
    if (!save_settings_file(settings_file_, current_settings(), &error)) {
        questions_.message(QStringLiteral("Strumix could not keep its settings in \"%1\": %2")
                               .arg(settings_file_, error),
                           program_title(), MessageIcon::Warning);
    }
}

void Program::file_kept(const QString& path) {
    file_window().file_kept(path);
    recent_.add(path);
}

void Program::open_recent(const QString& path) {
    const FileKind kind = file_kind(path);
    if (kind != FileKind::Regular) {
        recent_.remove(path);
        const QString what =
            kind == FileKind::Missing
                ? QStringLiteral("\"%1\" no longer exists.").arg(path)
                : QStringLiteral("\"%1\" is %2, not a page.").arg(path, file_kind_words(kind));
        questions_.message(what + QStringLiteral(" It has been taken off the recent pages."),
                           program_title(), MessageIcon::Warning);
        return;
    }
    commands_->open_path(path);
}

void Program::open_dropped(const QString& path) { commands_->open_path(path); }

void Program::enter() {
    if (!stored_.window_geometry.isEmpty() && form1_->restoreGeometry(stored_.window_geometry)) {
        // A stored size from another screen, or a damaged one, must not open a window off every
        // screen there is now (and be stored back larger still).
        form1_->keep_on_screen();
        form1_->show();
        // Once shown, its frame is known too.
        form1_->keep_on_screen();
    } else {
        form1_->showMaximized();
    }
    if (stored_.zoom) form1_->set_zoom(*stored_.zoom);
    form1_->form_resize();
    view_host_->focus_page();
    offer_recovery();
}

void Program::offer_recovery() {
    for (const QString& folder : store_.claim_orphans()) {
        const std::optional<RecoveryData> data = RecoveryStore::read(folder);
        if (!data) {
            store_.remove(folder);
            continue;
        }
        const QString name =
            data->file_name.isEmpty() ? QStringLiteral("Untitled") : data->file_name;
        const Answer answer = questions_.ask(
            QStringLiteral("Strumix ended before the page \"%1\" was saved. Do you want to "
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
        form1_->form_resize();
        // As after an open, the box waits above the first string, clear of the page's numbers.
        windows_host_->cursor_to_page_top();
        // One page at a time: any other left unsaved is offered at the next start.
        return;
    }
}

void Program::end_on_quit_signals() {
    if (quit_signals_) return;
    quit_signals_ = new QuitSignals(form1_.get());
    QObject::connect(quit_signals_, &QuitSignals::received, form1_.get(), [this](int signal) {
        keeper_->write_now();
        QCoreApplication::exit(128 + signal);
    });
}

}  // namespace strumix
