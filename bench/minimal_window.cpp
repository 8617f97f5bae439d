// The least a Qt Widgets program does to put a window on screen: the yardstick for Strumix's
// own start-up.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal"));
    window.resize(309, 307);
    window.show();
    return app.exec();
}
