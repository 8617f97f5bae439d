#include "app/message_boxes.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace strumix {

namespace {

QMessageBox::Icon box_icon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::None:
            return QMessageBox::NoIcon;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QWidget* MessageBoxes::parent_widget() const {
    QWidget* active = QApplication::activeModalWidget();
    return active ? active : window_;
}

void MessageBoxes::message(const QString& text, const QString& title, MessageIcon icon) {
    QMessageBox box(parent_widget());
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("Strumix") : title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(box_icon(icon));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

Answer MessageBoxes::ask(const QString& text, const QString& title, bool with_cancel) {
    QMessageBox box(parent_widget());
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("Strumix") : title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (with_cancel) buttons |= QMessageBox::Cancel;
    box.setStandardButtons(buttons);
    box.setDefaultButton(QMessageBox::Yes);
    box.exec();
    if (!box.clickedButton()) return Answer::Unanswered;
    switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return with_cancel ? Answer::Cancel : Answer::No;
    }
}

std::optional<QString> MessageBoxes::input_box(const QString& prompt, const QString& title,
                                               const QString& default_text) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent_widget(), title, prompt, QLineEdit::Normal, default_text, &ok);
    if (!ok) return std::nullopt;
    return text;
}

}  // namespace strumix
