#include <QApplication>

#include "app/main_window.h"
#include "app/qt_host.h"
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
    editor.startup();
    form1.showMaximized();
    form1.form_resize();
    host.focus_page();
    return app.exec();
}
