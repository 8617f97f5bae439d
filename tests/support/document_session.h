#pragma once

#include <QImage>
#include <QStringList>
#include <functional>

#include "flows/document_commands.h"
#include "support/editor_session.h"

// The user flows' windows played by the test: the file window and the Page Layout dialog answer
// what the scripts say (by default the user cancels), the clipboard is a picture, export and
// print are scripted. Questions go to the session's host.
class FakeFlowsHost : public strumix::FlowsHost {
public:
    explicit FakeFlowsHost(FakeHost& questions) : questions_(questions) {}

    QStringList file_windows;     // "open" or "Save", at each showing
    QStringList layout_captions;  // the caption at each showing
    QStringList kept;             // the paths the file window was told were kept
    std::function<void(const QString& path)> on_kept;
    std::function<std::optional<QString>(strumix::FilePurpose, const QString& name)> on_file;
    std::function<strumix::LayoutAnswer(const QString& caption, const strumix::LayoutModel&)>
        on_layout;
    std::function<std::optional<QString>(const QString& suggested)> on_export;
    QImage clipboard;
    std::optional<QString> clipboard_words;  // the clipboard's text
    QString clipboard_failure;  // when set, filling the clipboard fails with this reason
    std::optional<strumix::LayoutModel> proposed;  // the last layout shown as already chosen

    void message(const QString& text, const QString& title, strumix::MessageIcon icon) override {
        questions_.message(text, title, icon);
    }
    strumix::Answer ask(const QString& text, const QString& title, bool with_cancel) override {
        return questions_.ask(text, title, with_cancel);
    }
    std::optional<QString> input_box(const QString& prompt, const QString& title,
                                     const QString& default_text) override {
        return questions_.input_box(prompt, title, default_text);
    }
    std::optional<QString> choose_file(strumix::FilePurpose purpose, const QString& name) override {
        file_windows << (purpose == strumix::FilePurpose::Open ? "open" : "Save");
        return on_file ? on_file(purpose, name) : std::nullopt;
    }
    void file_kept(const QString& path) override {
        kept << path;
        if (on_kept) on_kept(path);
    }
    strumix::LayoutAnswer choose_layout(const QString& caption, const strumix::LayoutModel& current,
                                        bool propose) override {
        layout_captions << caption;
        if (propose) proposed = current;
        if (on_layout) return on_layout(caption, current);
        return cancelled(current);
    }
    std::optional<QString> choose_export_file(const QString& suggested) override {
        return on_export ? on_export(suggested) : std::nullopt;
    }
    std::optional<bool> print(const strumix::PrintJob&, bool) override { return std::nullopt; }
    bool set_clipboard_image(const QImage& image, QString* error) override {
        if (!clipboard_failure.isEmpty()) {
            *error = clipboard_failure;
            return false;
        }
        clipboard = image;
        return true;
    }

    std::optional<QString> clipboard_text() override { return clipboard_words; }

    // What the dialog answers when the user cancels, and when they press OK on a choice.
    static strumix::LayoutAnswer cancelled(const strumix::LayoutModel& current) {
        strumix::LayoutAnswer answer;
        for (int i = 0; i < strumix::kMaxStaffs; ++i) answer.staffs[i] = current.line_props[i];
        return answer;
    }
    static strumix::LayoutAnswer chosen(const strumix::LayoutModel& current, int across, int staffs,
                                        int notes) {
        strumix::LayoutAnswer answer = cancelled(current);
        answer.accepted = strumix::LayoutChoice{across, staffs, notes};
        return answer;
    }

private:
    FakeHost& questions_;
};

// The document and tools with the document commands over scripted windows.
struct DocumentSession : EditorSession {
    FakeFlowsHost documents{host};
    strumix::DocumentCommands commands{doc, tools, documents};
};
