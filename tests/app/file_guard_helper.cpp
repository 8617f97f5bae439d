// Runs one file command the way the program does and prints what became of the page, so the
// permission tests can run it as an ordinary user.
//
//   file_guard_helper [--fsize BYTES] [--yes] save-as FOLDER NAME
//   file_guard_helper [--fsize BYTES] save PATH
//   file_guard_helper open FOLDER NAME
//   file_guard_helper start FOLDER
#include <sys/resource.h>

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <csignal>
#include <cstdio>

#include <QTimer>

#include "app/assembly.h"
#include "app/file_window.h"
#include "files/safe_write.h"
#include "layout/layout_dialog.h"
#include "page/page_font.h"
#include "support/fake_questions.h"
#include "support/page_cells.h"

using namespace strumix;

namespace {

void print(const char* key, const QString& value) {
    QString flat = value;
    flat.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    std::printf("%s=%s\n", key, flat.toUtf8().constData());
}

// Plays the user at the file window: the first time it shows, types `name` and presses OK;
// any later time (the window back after a failure) it counts the showing and cancels. The Page
// Layout dialog an open ends with is cancelled.
class User : public QObject {
public:
    User(Assembly& program, QString name) : program_(program), name_(std::move(name)) {
        program.file_window().installEventFilter(this);
        program.layout_dialog().installEventFilter(this);
    }
    int shown_again = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show) return false;
        if (watched == &program_.layout_dialog()) {
            QTimer::singleShot(0, &program_.layout_dialog(), &QDialog::reject);
            return false;
        }
        FileWindow& window = program_.file_window();
        const bool first = !typed_;
        typed_ = true;
        if (!first) ++shown_again;
        QTimer::singleShot(0, &window, [&window, first, this] {
            if (!first) return window.window_button_cancel()->click();
            window.box_file()->setText(name_);
            window.window_button_ok()->click();
        });
        return false;
    }

private:
    Assembly& program_;
    QString name_;
    bool typed_ = false;
};

void report(const FakeQuestions& host, Assembly& program, bool done, int shown_again) {
    const Document& doc = program.document();
    for (const auto& m : host.messages) print("message", m.title + QLatin1Char('|') + m.text);
    for (const auto& q : host.questions) print("question", q.text);
    print("file_name", doc.file_name());
    print("file_path", doc.file_path());
    print("caption", doc.caption());
    print("done", QString::number(done));
    print("changed", QString::number(doc.unsaved(Document::Moment::Replacing)));
    print("window_back", QString::number(shown_again));
}

}  // namespace

int main(int argc, char* argv[]) {
    survive_file_size_limit();
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    load_resources();
    QStringList args = app.arguments().mid(1);
    FakeQuestions host;
    while (!args.isEmpty() && args.front().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--yes")) host.answers.push_back(Answer::Yes);
        if (option == QLatin1String("--fsize")) {
            // A file-size limit: the program's own start-up keeps it running past the limit.
            const rlim_t bytes = args.takeFirst().toULongLong();
            const rlimit limit{bytes, bytes};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
    }
    if (args.isEmpty()) return 2;
    const QString command = args.takeFirst();
    if (command == QLatin1String("start") && args.size() == 1) {
        print("start", FileWindow::start_folder(args[0]));
        return 0;
    }
    Assembly program(&host);
    program.start();
    print_at(program.document().Picture1(), 8, 3, QStringLiteral("12"));
    DocumentCommands& commands = program.commands();

    if ((command == QLatin1String("save-as") || command == QLatin1String("open")) &&
        args.size() == 2) {
        program.file_window().set_folder(args[0]);
        User user(program, args[1]);
        bool done = true;
        if (command == QLatin1String("open")) {
            commands.menu_open_Click();
        } else {
            done = commands.menu_save_as_Click();
        }
        report(host, program, done, user.shown_again);
        return 0;
    }
    if (command == QLatin1String("save") && args.size() == 1) {
        program.document().kept_as(args[0]);
        report(host, program, commands.menu_save_Click(), 0);
        return 0;
    }
    return 2;
}
