#pragma once

#include <QString>
#include <optional>

namespace strumix {

enum class Answer { Yes, No, Cancel };
enum class MessageIcon { None, Information, Warning, Critical };

// Everything the editing core needs from the windows around it: the messages and questions it
// must show, the modal Page Layout dialog, the page view's layout and vertical scroll bar, and
// the keyboard focus. The program answers with Qt's widgets; tests answer with scripted replies.
class EditorHost {
public:
    virtual ~EditorHost() = default;

    // A message box with an OK button. An empty title means the program's default title.
    virtual void message(const QString& text, const QString& title, MessageIcon icon) = 0;
    // A question with Yes and No (and Cancel when asked for), the question icon and the title.
    virtual Answer ask(const QString& text, const QString& title, bool with_cancel) = 0;
    // An input box; nothing when cancelled.
    virtual std::optional<QString> input_box(const QString& prompt, const QString& title,
                                             const QString& default_text) = 0;

    // The Page Layout dialog, shown modally with whatever caption it last had.
    virtual bool layout_dialog_visible() const = 0;
    virtual void show_layout_dialog() = 0;

    // The page view: lay out strip, viewport, page and bars again (`form_resize`).
    virtual void form_resize() = 0;
    // The page's vertical scroll bar, its value a distance in twips.
    virtual bool vscroll_visible() const = 0;
    virtual int vscroll_value() const = 0;
    virtual int vscroll_minimum() const = 0;
    virtual int vscroll_maximum() const = 0;
    virtual void set_vscroll_value(int value) = 0;

    // Centres the main window on the screen (its size when not maximised).
    virtual void center_window() {}

    // Gives the page `Picture1` the keyboard focus.
    virtual void focus_page() = 0;
};

}  // namespace strumix
