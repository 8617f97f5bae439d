#pragma once

#include "document/questions.h"

class QWidget;

namespace strumix {

// The program's questions as Qt's message and input boxes, over the active modal dialog when
// there is one, otherwise over the main window.
class MessageBoxes : public Questions {
public:
    void set_window(QWidget* window) { window_ = window; }

    void message(const QString& text, const QString& title, MessageIcon icon) override;
    Answer ask(const QString& text, const QString& title, bool with_cancel) override;
    std::optional<QString> input_box(const QString& prompt, const QString& title,
                                     const QString& default_text) override;

private:
    QWidget* parent_widget() const;
    QWidget* window_ = nullptr;
};

}  // namespace strumix
