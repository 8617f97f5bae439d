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
#include <csignal>
#include <cstdio>

#include "docs/document_commands.h"
#include "docs/file_window.h"
#include "docs/page_io.h"
#include "edit/editor.h"
#include "fake_document_host.h"
#include "fake_host.h"
#include "page/page_font.h"

using namespace strumix;

namespace {

void print(const char* key, const QString& value) {
    QString flat = value;
    flat.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    std::printf("%s=%s\n", key, flat.toUtf8().constData());
}

void report(const FakeHost& host, const Editor& editor, const FileWindow* window) {
    for (const auto& m : host.messages) print("message", m.title + QLatin1Char('|') + m.text);
    for (const auto& q : host.questions) print("question", q.text);
    print("file_name", editor.model.file_name);
    print("file_path", editor.model.file_path);
    print("caption", editor.caption);
    print("written", QString::number(editor.files_written));
    print("changed", QString::number(editor.page_counts_as_changed()));
    if (window) print("window_open", QString::number(window->isVisible()));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    load_resources();
    QStringList args = app.arguments().mid(1);
    FakeHost host;
    while (!args.isEmpty() && args.front().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--yes")) host.answers.push_back(Answer::Yes);
        if (option == QLatin1String("--fsize")) {
            // A full disk: writes past this many bytes fail instead of stopping the program.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlim_t bytes = args.takeFirst().toULongLong();
            const rlimit limit{bytes, bytes};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
    }
    if (args.isEmpty()) return 2;
    const QString command = args.takeFirst();
    Editor editor(host);
    editor.startup();
    editor.Picture1.set_current(8, 3);
    editor.Picture1.print(QStringLiteral("12"));

    if (command == QLatin1String("start") && args.size() == 1) {
        print("start", FileWindow::start_folder(args[0]));
        return 0;
    }
    if ((command == QLatin1String("save-as") || command == QLatin1String("open")) &&
        args.size() == 2) {
        FileWindow window(editor);
        window.set_folder(args[0]);
        window.prepare(command == QLatin1String("open") ? QStringLiteral("open")
                                                        : QStringLiteral("Save"));
        window.show();
        window.box_file()->setText(args[1]);
        window.window_button_ok()->click();
        report(host, editor, &window);
        return 0;
    }
    if (command == QLatin1String("save") && args.size() == 1) {
        const QString name = QFileInfo(args[0]).fileName();
        editor.model.file_name = name;
        editor.model.file_path = args[0];
        editor.caption = document_caption(name);
        FakeDocumentHost documents;
        DocumentCommands commands(editor, documents);
        commands.menu_save_Click();
        report(host, editor, nullptr);
        return 0;
    }
    return 2;
}
