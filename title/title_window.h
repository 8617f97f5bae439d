#pragma once

#include <QList>
#include <QWidget>
#include <functional>

class QFrame;
class QLabel;
class QToolButton;

namespace strumix {

// The title window `title`: the program's name on a tiled background, shown while the editor's
// windows load behind it and again as the About box. Its picture button `btn_bend` leads into
// the main window; the window deletes itself after that click, so every opening starts anew.
class TitleWindow : public QWidget {
    Q_OBJECT

public:
    explicit TitleWindow(QWidget* parent = nullptr);

    // What the click on `btn_bend` does before the window goes: show the main window and give
    // its page the focus.
    std::function<void()> enter_main;

    // The window's load: tiles, caption, centred, shown and painted. With the main window
    // already visible it is the About box and the button shows at once. Otherwise it is the
    // program's start: the window waits, button hidden, while the caller loads the main window
    // and the file window hidden, until loading_finished().
    void load(bool main_visible);
    // The editor's windows have loaded: let pending events run, then offer the button.
    void loading_finished();
    void btn_bend_Click();

    QLabel* pic_tile(int index) const { return tiles_.value(index); }
    int tile_count() const { return static_cast<int>(tiles_.size()); }
    QFrame* box() const { return box_; }
    QLabel* box_caption() const { return caption_; }
    // The About box's lines under the title: version, Qt, licence. Hidden at start-up.
    QLabel* box_about() const { return about_text_; }
    QToolButton* btn_bend() const { return btn_bend_; }
    // Whether the window is the About box rather than the start-up title.
    bool is_about() const { return about_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Enter, Return and Space press the picture button once it shows.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void tile_background();
    void centre_on_screen();

    QList<QLabel*> tiles_;
    QFrame* box_ = nullptr;
    QLabel* caption_ = nullptr;
    QLabel* about_text_ = nullptr;
    QToolButton* btn_bend_ = nullptr;
    bool about_ = false;
    bool loading_ = false;
    bool entered_ = false;
};

}  // namespace strumix
