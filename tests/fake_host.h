#pragma once

#include <QStringList>
#include <deque>
#include <functional>

#include "edit/editor_host.h"

// A scripted stand-in for the windows: records every message and question and answers from a
// queue, so tests can drive the editor exactly as a user would.
class FakeHost : public strumix::EditorHost {
public:
    struct Shown {
        QString text;
        QString title;
    };
    std::vector<Shown> messages;
    std::vector<Shown> questions;
    std::deque<strumix::Answer> answers;        // default: No
    std::deque<std::optional<QString>> inputs;  // default: cancelled
    std::vector<QString> input_defaults;        // the text each input box offered
    bool layout_visible = false;
    int layout_shown = 0;
    std::function<void()> on_show_layout;
    int resizes = 0;
    bool vscroll_shown = false;
    int vscroll_min = 0;
    int vscroll_max = 0;
    int vscroll_val = 0;
    int focus_requests = 0;

    void message(const QString& text, const QString& title, strumix::MessageIcon) override {
        messages.push_back({text, title});
    }
    strumix::Answer ask(const QString& text, const QString& title, bool) override {
        questions.push_back({text, title});
        if (answers.empty()) return strumix::Answer::No;
        const strumix::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<QString> input_box(const QString& prompt, const QString& title,
                                     const QString& default_text) override {
        questions.push_back({prompt, title});
        input_defaults.push_back(default_text);
        if (inputs.empty() || !inputs.front()) {
            if (!inputs.empty()) inputs.pop_front();
            return std::nullopt;
        }
        const QString answer = *inputs.front();
        inputs.pop_front();
        return answer;
    }
    bool layout_dialog_visible() const override { return layout_visible; }
    void show_layout_dialog() override {
        ++layout_shown;
        if (on_show_layout) on_show_layout();
    }
    void form_resize() override { ++resizes; }
    bool vscroll_visible() const override { return vscroll_shown; }
    int vscroll_value() const override { return vscroll_val; }
    int vscroll_minimum() const override { return vscroll_min; }
    int vscroll_maximum() const override { return vscroll_max; }
    void set_vscroll_value(int value) override { vscroll_val = value; }
    void focus_page() override { ++focus_requests; }
};
