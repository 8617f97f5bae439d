// The program as main() puts it together, for the recovery test: `draw ROOT WAIT` types a
// number onto the page (printing "written" once the recovery data is on disk when WAIT is
// "wait", "drawn" at once otherwise) and runs until it is ended from outside; `start ROOT
// ANSWER` starts anew, answers the recovery question, and prints what the page shows.
#include <QApplication>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <cstdio>

#include "app/main_window.h"
#include "app/page_widget.h"
#include "app/program.h"
#include "document/page_file.h"
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
    if (args.size() != 3) return 2;
    FakeQuestions questions;
    if (args[0] == QLatin1String("start")) {
        questions.answers.push_back(args[2] == QLatin1String("yes") ? Answer::Yes : Answer::No);
    }
    Program program(&questions, args[1]);
    program.start();
    program.end_on_quit_signals();
    program.enter();
    if (args[0] == QLatin1String("draw")) {
        const bool wait = args[2] == QLatin1String("wait");
        program.recovery().set_delay(wait ? 50 : 600000);
        QSignalSpy written(&program.recovery(), &RecoveryKeeper::written);
        QWidget* page = program.form1().page();
        QTest::keyClick(page, Qt::Key_1);
        QTest::keyClick(page, Qt::Key_2);
        QTest::keyClick(page, Qt::Key_Return);
        if (wait && !written.wait(5000)) return 3;
        std::printf(wait ? "written\n" : "drawn\n");
        std::fflush(stdout);
        return app.exec();
    }
    const Document& doc = program.document();
    std::printf("questions=%d\n", int(questions.questions.size()));
    for (const auto& q : questions.questions) std::printf("title=%s\n", qPrintable(q.title));
    std::printf("ink=%d\n", ink_in_cell(doc.Picture1().image(), 8, 3));
    std::printf("changed=%d\n", int(doc.page_counts_as_changed()));
    std::printf("caption=%s\n", qPrintable(doc.caption()));
    return 0;
}
