#include "app/carry_pointer.h"

#include <QApplication>
#include <QCursor>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPixmap>
#include <QWindow>

#include "app/page_widget.h"
#include "edit/tool_palette.h"
#include "page/glyphs.h"

namespace strumix {

namespace {

// The symbol as it will land: enlarged with the page.
QCursor symbol_cursor(const QImage& symbol, int zoom) {
    if (symbol.isNull()) return QCursor(Qt::DragCopyCursor);
    const QImage shown = zoom == 1 ? symbol : symbol.scaled(symbol.size() * zoom);
    return QCursor(QPixmap::fromImage(shown), shown.width() / 2, shown.height() / 2);
}

}  // namespace

CarryPointer::CarryPointer(ToolPalette& tools, QMainWindow& window, PageWidget& page)
    : QObject(&window), tools_(tools), window_(window), page_(page) {
    setObjectName(QStringLiteral("carry_pointer"));
    connect(&tools_, &ToolPalette::changed, this, &CarryPointer::follow_tools);
}

CarryPointer::~CarryPointer() {
    if (active()) end();
}

void CarryPointer::follow_tools() {
    const int wanted = tools_.carried_symbol().value_or(-1);
    if (wanted == symbol_) return;
    if (wanted < 0) {
        end();
    } else {
        begin(wanted);
    }
}

void CarryPointer::begin(int symbol) {
    const QCursor cursor = symbol_cursor(Glyphs::get().pic_bend[symbol], page_.zoom());
    if (active()) {
        QGuiApplication::changeOverrideCursor(cursor);
    } else {
        QGuiApplication::setOverrideCursor(cursor);
        qApp->installEventFilter(this);
        // The grab keeps a release outside the window coming to us.
        if (window_.isVisible()) window_.grabMouse();
    }
    symbol_ = symbol;
}

void CarryPointer::end() {
    if (!active()) return;
    symbol_ = -1;
    qApp->removeEventFilter(this);
    if (QWidget::mouseGrabber() == &window_) window_.releaseMouse();
    QGuiApplication::restoreOverrideCursor();
}

CarryPointer::Target CarryPointer::target_at(QPoint global) const {
    const QPoint local = window_.mapFromGlobal(global);
    if (!window_.rect().contains(local)) return Target::Elsewhere;
    QWidget* under = window_.childAt(local);
    if (under == &page_ || (under && page_.isAncestorOf(under))) return Target::Page;
    if (!under || under == window_.centralWidget()) return Target::Window;
    return Target::Elsewhere;
}

void CarryPointer::drop(QPoint global) {
    // The carry is over whatever lies under the pointer.
    end();
    switch (target_at(global)) {
        case Target::Page:
            tools_.Picture1_DragDrop(page_.to_page_pixels(page_.mapFromGlobal(QPointF(global))));
            break;
        case Target::Window:
            tools_.Form_DragDrop();
            break;
        case Target::Elsewhere:
            tools_.drop_elsewhere();
            break;
    }
}

void CarryPointer::abandon() {
    if (!active()) return;
    end();
    tools_.drop_elsewhere();
}

bool CarryPointer::in_window(QObject* receiver) const {
    if (auto* widget = qobject_cast<QWidget*>(receiver)) return widget->window() == &window_;
    if (auto* window = qobject_cast<QWindow*>(receiver)) return window == window_.windowHandle();
    return false;
}

bool CarryPointer::eventFilter(QObject* watched, QEvent* event) {
    // A dialog or menu that comes up over the window (from a shortcut) takes the mouse: the
    // symbol is let go there, and its clicks are its own.
    if (event->type() == QEvent::WindowBlocked && in_window(watched)) {
        abandon();
        return false;
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            if (!in_window(watched)) {
                abandon();
                return false;
            }
            break;
        case QEvent::MouseMove:
            if (!in_window(watched)) return false;
            break;
        default:
            break;
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // The click that ends the carry counts where its button comes up.
            return true;
        case QEvent::MouseMove:
            // Passing over the page while carrying a symbol changes nothing.
            return true;
        case QEvent::MouseButtonRelease:
            drop(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            return true;
        default:
            return QObject::eventFilter(watched, event);
    }
}

}  // namespace strumix
