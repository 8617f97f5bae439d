// The program as main() puts it together, for the recovery test:
//   `draw ROOT WAIT [FILE]` opens FILE when given, types a number onto the page (printing
//   "written ok=1" once the recovery data is on disk, or "written ok=0" when it could not be
//   written, when WAIT is "wait"; "drawn" at once otherwise) and runs until it is ended from
//   outside;
//   `start ROOT ANSWER [save]` starts anew, answers the recovery question ("yes", "no", or
//   "ask": the real question, left open until the program is ended from outside; "asking" is
//   printed once it shows), then with "save" saves (answering No to any further question), and
//   prints what the page shows.
#include <QApplication>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "app/assembly.h"
#include "app/main_window.h"
#include "app/page_widget.h"
#include "files/safe_write.h"
#include "page/page_font.h"
#include "support/fake_host.h"
#include "support/page_cells.h"

using namespace strumix;

int main(int argc, char* argv[]) {
    survive_file_size_limit();
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    load_resources();
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3) return 2;
    FakeQuestions questions;
    const bool real_question = args[0] == QLatin1String("start") && args[2] == QLatin1String("ask");
    if (args[0] == QLatin1String("start") && !real_question) {
        questions.answers.push_back(args[2] == QLatin1String("yes") ? Answer::Yes : Answer::No);
    } else {
        // A page another run left waiting stays for the start that is asked about it.
        questions.answers.push_back(Answer::Unanswered);
    }
    Assembly program(real_question ? nullptr : &questions, args[1]);
    program.start();
    program.end_on_quit_signals();
    if (real_question) {
        auto* watch = new QTimer(&app);
        QObject::connect(watch, &QTimer::timeout, [watch] {
            if (!QApplication::activeModalWidget()) return;
            std::printf("asking\n");
            std::fflush(stdout);
            watch->stop();
        });
        watch->start(20);
        // The title window's button is pressed from within the running program.
        QTimer::singleShot(0, [&program] { program.enter(); });
        return app.exec();
    }
    program.enter();
    if (args[0] == QLatin1String("draw")) {
        const bool wait = args[2] == QLatin1String("wait");
        if (args.size() > 3) {
            QString error;
            if (!program.document().load(args[3], &error)) return 4;
            program.document().kept_as(args[3]);
            program.document().commit_and_mark_unchanged();
            program.document().mark_kept();
        }
        program.recovery().set_delay(wait ? 50 : 600000);
        QSignalSpy written(&program.recovery(), &RecoveryKeeper::written);
        QWidget* page = program.form1().page();
        QTest::keyClick(page, Qt::Key_1);
        QTest::keyClick(page, Qt::Key_2);
        QTest::keyClick(page, Qt::Key_Return);
        if (wait && !written.wait(5000)) return 3;
        if (wait) {
            std::printf("written ok=%d\n", written.front().front().toBool() ? 1 : 0);
        } else {
            std::printf("drawn\n");
        }
        std::fflush(stdout);
        return app.exec();
    }
    if (args.size() > 3 && args[3] == QLatin1String("save")) program.commands().menu_save_Click();
    const Document& doc = program.document();
    std::printf("questions=%d\n", int(questions.questions.size()));
    for (const auto& q : questions.questions) {
        std::printf("title=%s\n", qPrintable(q.title));
        std::printf("question=%s\n", qPrintable(q.text));
    }
    std::printf("ink=%d\n", ink_in_cell(doc.Picture1().image(), 8, 3));
    std::printf("changed=%d\n", int(doc.unsaved(Document::Moment::Replacing)));
    std::printf("caption=%s\n", qPrintable(doc.caption()));
    return 0;
}
