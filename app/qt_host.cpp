#include "app/qt_host.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>

#include "app/main_window.h"
#include "app/page_widget.h"

namespace strumix {

QWidget* QtHost::parent_widget() const {
    QWidget* active = QApplication::activeModalWidget();
    if (active) return active;
    return window_;
}

void QtHost::message(const QString& text, const QString& title, MessageIcon icon) {
    QMessageBox box(parent_widget());
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("Strumix") : title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (icon) {
        case MessageIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case MessageIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MessageIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

Answer QtHost::ask(const QString& text, const QString& title, bool with_cancel) {
    QMessageBox box(parent_widget());
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("Strumix") : title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (with_cancel) buttons |= QMessageBox::Cancel;
    box.setStandardButtons(buttons);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return with_cancel ? Answer::Cancel : Answer::No;
    }
}

std::optional<QString> QtHost::input_box(const QString& prompt, const QString& title,
                                         const QString& default_text) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent_widget(), title, prompt, QLineEdit::Normal, default_text, &ok);
    if (!ok) return std::nullopt;
    return text;
}

bool QtHost::layout_dialog_visible() const { return layout_visible && layout_visible(); }

void QtHost::show_layout_dialog() {
    if (show_layout) show_layout();
}

void QtHost::form_resize() {
    if (window_) window_->form_resize();
}

bool QtHost::vscroll_visible() const { return window_ && window_->vscroll()->isVisible(); }
int QtHost::vscroll_value() const { return window_ ? window_->vscroll()->value() : 0; }
int QtHost::vscroll_minimum() const { return window_ ? window_->vscroll()->minimum() : 0; }
int QtHost::vscroll_maximum() const { return window_ ? window_->vscroll()->maximum() : 0; }

void QtHost::set_vscroll_value(int value) {
    if (window_) window_->vscroll()->setValue(value);
}

void QtHost::center_window() {
    if (!window_) return;
    const QRect screen = window_->screen()->availableGeometry();
    const QRect frame = window_->frameGeometry();
    window_->move(screen.left() + (screen.width() - frame.width()) / 2,
                  screen.top() + (screen.height() - frame.height()) / 2);
}

void QtHost::focus_page() {
    if (window_) window_->page()->setFocus();
}

}  // namespace strumix
