#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/assembly.h"
#include "app/file_window.h"
#include "app/main_window.h"
#include "app/page_widget.h"
#include "layout/layout_dialog.h"
#include "support/fake_host.h"

// The program as main() puts it together, with scripted answers to its questions. The test
// plays the user at the real file window (`file_user` acts at its next showing; a showing with
// no act left is cancelled) and at the real Page Layout dialog (OK as it stands, or Cancel).
class ProgramSession : public QObject {
public:
    // Before the program is built: it keeps nothing in the user's data.
    const bool test_mode = (QStandardPaths::setTestModeEnabled(true), true);
    FakeQuestions host;
    strumix::Assembly program{&host};
    strumix::MainWindow& window = program.form1();
    strumix::Document& doc = program.document();
    strumix::ToolPalette& tools = program.tools();
    std::function<void(strumix::FileWindow&)> file_user;
    bool layout_ok = true;
    int layout_shown = 0;

    explicit ProgramSession(const QString& folder = QString()) {
        program.start();
        if (!folder.isEmpty()) program.file_window().set_folder(folder);
        program.file_window().installEventFilter(this);
        program.layout_dialog().installEventFilter(this);
    }
    // The user types a name into the file window's name box and presses OK.
    static std::function<void(strumix::FileWindow&)> chooses(const QString& name) {
        return [name](strumix::FileWindow& w) {
            w.box_file()->selectAll();
            QTest::keyClicks(w.box_file(), name);
            QTest::mouseClick(w.window_button_ok(), Qt::LeftButton);
        };
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show) return false;
        if (watched == &program.layout_dialog()) {
            ++layout_shown;
            QTimer::singleShot(0, this, [this] {
                strumix::LayoutDialog& dialog = program.layout_dialog();
                if (layout_ok) {
                    dialog.btn_ok_Click();
                } else {
                    dialog.btn_cancel_Click();
                }
            });
        } else if (watched == &program.file_window()) {
            QTimer::singleShot(0, this, [this] {
                strumix::FileWindow& w = program.file_window();
                if (const auto act = std::exchange(file_user, nullptr)) act(w);
                if (w.isVisible()) QTest::mouseClick(w.window_button_cancel(), Qt::LeftButton);
            });
        }
        return false;
    }
};
