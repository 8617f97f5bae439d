#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include "app/help_viewer.h"
#include "app/main_window.h"
#include "app/program.h"
#include "document/page_file.h"
#include "page/page_font.h"
#include "page/page_memory.h"
#include "title/title_window.h"

int main(int argc, char* argv[]) {
    strumix::keep_page_buffers();
    strumix::survive_file_size_limit();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Strumix"));
    strumix::load_resources();
    QFont font(strumix::shipped_font_family());
    font.setPointSize(9);
    QApplication::setFont(font);
    app.installEventFilter(new strumix::HelpKeyFilter(&app));
    // A page handed over by the desktop (Open With, a double click on a .tab file).
    const QStringList arguments = QCoreApplication::arguments();
    const QString start_file =
        arguments.size() > 1 ? QFileInfo(arguments.at(1)).absoluteFilePath() : QString();

    // The title window shows first and stays while the editor's windows load hidden behind it.
    auto* title = new strumix::TitleWindow;
    title->load(false);

    strumix::Program program;
    program.start();
    program.end_on_quit_signals();

    title->enter_main = [&] {
        program.enter();
        // Once the title window has gone: opening asks its questions in dialogs of its own.
        if (!start_file.isEmpty()) {
            QTimer::singleShot(0, &program.form1(),
                               [&] { program.commands().open_path(start_file); });
        }
    };
    title->loading_finished();
    const int result = app.exec();
    delete strumix::HelpViewer::instance();
    return result;
}
