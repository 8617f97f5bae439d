#pragma once

#include <QPointer>
#include <functional>

#include "edit/edit_host.h"
#include "flows/flows_host.h"
#include "flows/window_state.h"

namespace strumix {

class FileWindow;
class LayoutDialog;
class MainWindow;

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

// The tools' questions, and the page view and focus they need, answered by the main window.
class ViewHost : public AskingThrough<EditHost> {
public:
    using AskingThrough::AskingThrough;
    void set_window(MainWindow* window) { window_ = window; }

    bool view_scrolls_down() const override;
    void scroll_view_down_to(double fraction) override;
    void make_visible(const QRect& page_pixels) override;
    void focus_page() override;

private:
    MainWindow* window_ = nullptr;
};

// The user flows' windows: the file window and the Page Layout dialog (each made on first use
// and afterwards only hidden and shown), the export and print dialogs, the clipboard, and what
// the settings keep of the windows.
class DialogsHost : public AskingThrough<FlowsHost>, public WindowState {
public:
    DialogsHost(Questions& questions, MainWindow& window, const LayoutModel& initial_layout);

    FileWindow& file_window();
    LayoutDialog& layout_dialog();
    // Where Export writes; the file dialog unless a test answers it.
    std::function<std::optional<QString>(const QString& suggested)> export_file_chooser;

    std::optional<QString> choose_file(FilePurpose purpose, const QString& name) override;
    void file_kept(const QString& path) override;
    LayoutAnswer choose_layout(const QString& caption, const LayoutModel& layout,
                               bool propose) override;
    std::optional<QString> choose_export_file(const QString& suggested) override;
    std::optional<bool> print(const PrintJob& job, bool preview) override;
    bool set_clipboard_image(const QImage& image, QString* error) override;
    std::optional<QString> clipboard_text() override;

    int zoom() const override;
    void set_zoom(int zoom) override;
    QByteArray window_geometry() const override;
    void show_main_window(const QByteArray& geometry) override;
    QString file_window_folder() const override;
    void set_file_window_folder(const QString& folder) override;

private:
    Questions& questions_;
    MainWindow& window_;
    const LayoutModel& initial_layout_;
    QPointer<FileWindow> file_window_;
    QPointer<LayoutDialog> layout_;
};

}  // namespace strumix
