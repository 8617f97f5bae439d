#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include "app/help_viewer.h"
#include "app/main_window.h"
#include "app/qt_document_host.h"
#include "app/qt_host.h"
#include "docs/document_commands.h"
#include "edit/editor.h"
#include "page/page_font.h"
#include "page/page_memory.h"
#include "title/title_window.h"

int main(int argc, char* argv[]) {
    strumix::keep_page_buffers();
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

    strumix::QtHost host;
    strumix::Editor editor(host);
    strumix::MainWindow form1(editor);
    host.set_window(&form1);
    strumix::QtDocumentHost documents(editor, &form1);
    documents.attach(host);
    strumix::DocumentCommands commands(editor, documents);
    strumix::connect_document_menus(form1, commands);
    strumix::connect_file_menus(form1, commands);
    // Loaded hidden at start-up, its folder list at the program's folder (or the user's
    // documents when the program's folder is not theirs to write in).
    documents.file_window();
    editor.startup();

    title->enter_main = [&] {
        form1.showMaximized();
        form1.form_resize();
        host.focus_page();
        // Once the title window has gone: opening asks its questions in dialogs of its own.
        if (!start_file.isEmpty()) {
            QTimer::singleShot(0, &form1, [&] { commands.open_path(start_file); });
        }
    };
    title->loading_finished();
    const int result = app.exec();
    delete strumix::HelpViewer::instance();
    return result;
}
