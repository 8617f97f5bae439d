#pragma once

#include <QImage>
#include <QStringList>
#include <functional>

#include "docs/document_commands.h"

// A scripted stand-in for the document commands' windows: records which windows were shown and
// lets a test play the user's part in the file window.
class FakeDocumentHost : public strumix::DocumentHost {
public:
    QStringList layout_captions;
    QStringList file_windows;
    // What the user does in the file window; by default they cancel.
    std::function<void(const QString& purpose)> on_file_window;
    std::function<void(const QString& caption)> on_layout_dialog;
    QImage clipboard;
    QString clipboard_failure;  // when set, filling the clipboard fails with this reason

    void run_layout_dialog(const QString& caption) override {
        layout_captions << caption;
        if (on_layout_dialog) on_layout_dialog(caption);
    }
    void show_file_window(const QString& purpose) override {
        file_windows << purpose;
        if (on_file_window) on_file_window(purpose);
    }
    bool set_clipboard_image(const QImage& image, QString* error) override {
        if (!clipboard_failure.isEmpty()) {
            *error = clipboard_failure;
            return false;
        }
        clipboard = image;
        return true;
    }
};
