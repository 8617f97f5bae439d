#pragma once

#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "document/questions.h"

// A scripted stand-in for the windows' questions: records every message and question and
// answers from a queue, so tests can drive the program exactly as a user would. `Base` is the
// interface of ours that asks them.
template <class Base>
class Scripted : public Base {
public:
    struct Shown {
        QString text;
        QString title;
    };
    std::vector<Shown> messages;
    std::vector<Shown> questions;
    std::deque<strumix::Answer> answers;        // default: No
    std::deque<std::optional<QString>> inputs;  // default: cancelled
    std::vector<QString> input_defaults;        // the text each input box offered

    void message(const QString& text, const QString& title, strumix::MessageIcon) override {
        messages.push_back({text, title});
    }
    strumix::Answer ask(const QString& text, const QString& title, bool) override {
        questions.push_back({text, title});
        if (answers.empty()) return strumix::Answer::No;
        const strumix::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<QString> input_box(const QString& prompt, const QString& title,
                                     const QString& default_text) override {
        questions.push_back({prompt, title});
        input_defaults.push_back(default_text);
        if (inputs.empty() || !inputs.front()) {
            if (!inputs.empty()) inputs.pop_front();
            return std::nullopt;
        }
        const QString answer = *inputs.front();
        inputs.pop_front();
        return answer;
    }
    QStringList message_texts() const {
        QStringList texts;
        for (const auto& m : messages) texts << m.text;
        return texts;
    }
    QStringList question_texts() const {
        QStringList texts;
        for (const auto& q : questions) texts << q.text;
        return texts;
    }
};

using FakeQuestions = Scripted<strumix::Questions>;
