#pragma once

#include <QString>
#include <optional>

namespace strumix {

// Unanswered: the question was closed without a reply (the program was told to end while it
// was open); nothing the question was about may be decided by it.
enum class Answer { Yes, No, Cancel, Unanswered };
enum class MessageIcon { None, Information, Warning, Critical };

// The messages and questions the program shows the user. The program answers with Qt's
// message and input boxes; tests answer with scripted replies.
class Questions {
public:
    virtual ~Questions() = default;

    // A message box with an OK button. An empty title means the program's default title.
    virtual void message(const QString& text, const QString& title, MessageIcon icon) = 0;
    // A question with Yes and No (and Cancel when asked for), the question icon and the title.
    virtual Answer ask(const QString& text, const QString& title, bool with_cancel) = 0;
    // An input box; nothing when cancelled.
    virtual std::optional<QString> input_box(const QString& prompt, const QString& title,
                                             const QString& default_text) = 0;
};

}  // namespace strumix
