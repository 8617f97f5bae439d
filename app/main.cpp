#include <QApplication>

#include "app/main_window.h"
#include "app/qt_document_host.h"
#include "app/qt_host.h"
#include "docs/document_commands.h"
#include "edit/editor.h"
#include "page/page_font.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Strumix"));
    strumix::load_resources();
    QFont font(strumix::shipped_font_family());
    font.setPointSize(9);
    QApplication::setFont(font);

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
    form1.showMaximized();
    form1.form_resize();
    host.focus_page();
    return app.exec();
}
