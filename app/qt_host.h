#pragma once

#include <functional>

#include "edit/editor_host.h"

class QWidget;

namespace strumix {

class MainWindow;

// The editor's questions and window requests answered with Qt's dialogs and the main window.
class QtHost : public EditorHost {
public:
    void set_window(MainWindow* window) { window_ = window; }
    // The Page Layout dialog's visibility and modal showing, supplied by the dialog.
    std::function<bool()> layout_visible;
    std::function<void()> show_layout;

    void message(const QString& text, const QString& title, MessageIcon icon) override;
    Answer ask(const QString& text, const QString& title, bool with_cancel) override;
    std::optional<QString> input_box(const QString& prompt, const QString& title,
                                     const QString& default_text) override;
    bool layout_dialog_visible() const override;
    void show_layout_dialog() override;
    void form_resize() override;
    bool vscroll_visible() const override;
    int vscroll_value() const override;
    int vscroll_minimum() const override;
    int vscroll_maximum() const override;
    void set_vscroll_value(int value) override;
    void center_window() override;
    void focus_page() override;

private:
    QWidget* parent_widget() const;
    MainWindow* window_ = nullptr;
};

}  // namespace strumix
