#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>

#include "app/help_file.h"

class QMenu;
class QPushButton;
class QTextBrowser;

namespace strumix {

// The program's help window: shows the topics of the help file by context number, one topic
// at a time, with links between them, a way back and a way to the contents. There is one help
// window for the whole program, as there is one help file.
class HelpViewer : public QWidget {
    Q_OBJECT

public:
    // Opens the registered help file at the topic of `context` (the contents when the file has
    // no such topic) and brings the window to the front. Nothing, with the reason in `error`,
    // when the help file cannot be read.
    static HelpViewer* open(int context, QString* error);
    // As open(), reporting a failure in a message box over `parent`.
    static void request(int context, QWidget* parent);
    // The help window when it exists.
    static HelpViewer* instance();

    int current_topic() const { return current_; }
    QTextBrowser* browser() const { return browser_; }

    bool show_topic(int context);

private:
    explicit HelpViewer(HelpFile file, QString path);
    void go_back();
    void link_clicked(const QUrl& url);

    HelpFile file_;
    QString path_;
    int current_ = 0;
    QList<int> history_;
    QTextBrowser* browser_ = nullptr;
    QPushButton* back_ = nullptr;
    static QPointer<HelpViewer> instance_;
};

// The help context number of a window, control or menu: its own "helpContext" or that of the
// nearest container that has one.
std::optional<int> help_context_of(const QObject* object);
// What a help request (F1) means right now: the highlighted menu item's menu, else the active
// window (the focus widget's nearest number). In the main window F1 is the shortcut of
// "&Contents", so there it means the contents.
std::optional<int> help_context_for_request();

// Watches the whole program for F1 and opens the topic that fits what is active, so that a
// dialog or a highlighted menu gets its own topic rather than the main window's contents.
class HelpKeyFilter : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    // The topic opened by the last F1 this filter handled; 0 before any.
    int last_request() const { return last_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool swallow_press_ = false;
    int last_ = 0;
};

}  // namespace strumix
