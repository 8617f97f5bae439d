#include <fontconfig/fontconfig.h>
#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QThreadPool>
#include <QTimer>
#include <thread>

#include "app/assembly.h"
#include "app/command_line.h"
#include "app/help_viewer.h"
#include "app/main_window.h"
#include "app/translations.h"
#include "files/safe_write.h"
#include "flows/stored_settings.h"
#include "page/page_font.h"
#include "page/page_memory.h"
#include "title/title_window.h"

namespace {

QStringList arguments_of(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
    strumix::keep_page_buffers();
    strumix::survive_file_size_limit();
    // Help, version, export and a refused option are answered before any window system is
    // asked for: they work over ssh and in scripts, and never flash a window.
    strumix::CommandLine line = strumix::parse_command_line(arguments_of(argc, argv));
    if (line.action == strumix::CommandLine::Action::Export && strumix::export_needs_fonts(line)) {
        // Text drawn or read on the page needs the GUI application's fonts, not a display; and
        // what Qt says about the session it runs in would only bury the one line that matters
        // on standard error. A PNG of a page file needs neither, and starts as --version does.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        QGuiApplication app(argc, argv);
        // Read again, so that what it says is in the user's language.
        if (strumix::install_translations(app))
            line = strumix::parse_command_line(arguments_of(argc, argv));
        return strumix::answer_without_window(line);
    }
    if (line.action != strumix::CommandLine::Action::Edit) {
        QCoreApplication app(argc, argv);
        // Nothing answered here uses a plugin of Qt's, and Qt's image writer loads every image
        // plugin it finds (GIF, icons, JPEG and its library) to ask whether it writes PNG
        // before writing it itself: 2.5 ms of a 14 ms export.
        QCoreApplication::setLibraryPaths({});
        if (strumix::install_translations(app))
            line = strumix::parse_command_line(arguments_of(argc, argv));
        return strumix::answer_without_window(line);
    }
    // The title window's text needs the system's font configuration, whose reading (4 ms and
    // more) nothing else waits on: it runs beside the connection to the display instead of
    // after it.
    std::thread font_config([] { FcInit(); });
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Strumix"));
    // Qt's painter splits any fill of more than about a hundred rows into pieces for its
    // shared thread pool: the vertical scroll bar's shaded groove and edges, redrawn at every
    // wheel notch, go out in some eighty pieces. Waking a second worker for each and waiting on
    // it costs more than the fills: with one worker a notch takes a fifth to a quarter less
    // CPU, and a whole view's repaint no more.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    strumix::install_translations(app);
    font_config.join();
    // Qt lists the system's fonts (6 ms and more) the first time any text is measured or
    // drawn. Listed on a thread of its own, it runs while the title window is built and
    // shown; only the title's first paint needs it. Qt's font database is safe to use from
    // any thread.
    std::thread font_list([] { QFontDatabase::families(); });
    strumix::load_resources();
    QFont font(strumix::shipped_font_family());
    font.setPointSize(9);
    QApplication::setFont(font);
    app.installEventFilter(new strumix::HelpKeyFilter(&app));
    // A page handed over by the desktop (Open With, a double click on a .tab file).
    const QString start_file =
        line.page.isEmpty() ? QString() : QFileInfo(line.page).absoluteFilePath();

    // The title window shows first and stays while the editor's windows load hidden behind it.
    auto* title = new strumix::TitleWindow;
    title->load(false);

    strumix::Assembly program(nullptr, QString(), strumix::settings_path());
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
    font_list.join();
    delete strumix::HelpViewer::instance();
    return result;
}
