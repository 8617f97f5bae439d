#include "app/program.h"

#include <QCoreApplication>
#include <QScrollBar>

#include "app/file_window.h"
#include "app/help_file.h"
#include "app/main_window.h"
#include "app/page_widget.h"
#include "app/quit_signals.h"
#include "document/clipboard_copy.h"
#include "edit/edit_host.h"
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
    void file_kept(const QString& path) override { program_.file_window().file_kept(path); }
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

Program::Program(Questions* questions, const QString& recovery_root)
    : questions_(questions ? *questions : boxes_),
      store_(recovery_root),
      keeper_(std::make_unique<RecoveryKeeper>(doc_, store_)),
      view_host_(std::make_unique<ViewHost>(questions_)),
      tools_(std::make_unique<ToolPalette>(doc_, *view_host_)),
      form1_(std::make_unique<MainWindow>(doc_, *tools_)),
      windows_host_(std::make_unique<WindowsHost>(*this, questions_, *view_host_)),
      commands_(std::make_unique<DocumentCommands>(doc_, *windows_host_)) {
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
    };
    for (const auto& [name, run] : items) {
        QObject::connect(form1_->action(QString::fromLatin1(name)), &QAction::triggered,
                         form1_.get(), run);
    }
    // A clean exit keeps nothing: the user has saved the page or chosen not to.
    form1_->query_unload = [this, &commands] {
        if (!commands.query_unload()) return false;
        keeper_->discard();
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
    // Loaded hidden at start-up, its folder list at the program's folder (or the user's
    // documents when the program's folder is not theirs to write in).
    file_window();
    form1_->center_window();
    doc_.start();
    tools_->start();
}

void Program::enter() {
    form1_->showMaximized();
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
