#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "docs/file_window.h"
#include "fake_document_host.h"

// The real file window with the test in the user's place: `user` acts on the shown window;
// if the window is still open afterwards, the user cancels it.
class ScriptedFileWindowHost : public FakeDocumentHost {
public:
    explicit ScriptedFileWindowHost(strumix::Editor& editor) : window(editor) {}

    strumix::FileWindow window;
    std::function<void(strumix::FileWindow&)> user;

    void show_file_window(const QString& purpose) override {
        file_windows << purpose;
        window.prepare(purpose);
        window.show();
        if (user) user(window);
        if (window.isVisible()) QTest::mouseClick(window.window_button_cancel(), Qt::LeftButton);
    }

    // The user types a name into the name box and presses OK.
    static std::function<void(strumix::FileWindow&)> chooses(const QString& name) {
        return [name](strumix::FileWindow& w) {
            w.box_file()->selectAll();
            QTest::keyClicks(w.box_file(), name);
            QTest::mouseClick(w.window_button_ok(), Qt::LeftButton);
        };
    }
};
