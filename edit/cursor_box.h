#pragma once

#include <QObject>
#include <QString>

namespace strumix {

class Document;
class EditHost;

// The cursor box `location`: a window element over the page that sits on one note cell and
// shows the entry typed so far, never part of the picture. Its place is in character cells,
// whatever unit the page is in. It also keeps the settings that move it: the cursor motion,
// "Re&fresh" and "&Follow Cusror".
class CursorBox : public QObject {
    Q_OBJECT

public:
    static constexpr double kWidth = 2.0;
    static constexpr double kHeight = 0.9375;

    CursorBox(const Document& document, EditHost& host);

    double left() const { return left_; }
    double top() const { return top_; }
    void place(double left, double top);
    const QString& caption() const { return caption_; }
    void set_caption(const QString& caption);
    bool visible() const { return visible_; }
    void set_visible(bool visible);

    void cursor_home();
    void cursor_left();
    void cursor_right();
    void cursor_up();
    void cursor_down();
    // The move after a number or harmonic, by `cursor_motion`.
    void advance();
    void follow_cursor();

    const QString& cursor_motion() const { return cursor_motion_; }
    // "on", "off" or unset (counts as "off").
    bool refresh_on() const { return entry_refresh_ == QLatin1String("on"); }
    bool follow_checked() const { return follow_checked_; }
    void menu_cr_Click(int index);
    void menu_cr_refresh_Click();
    void mnu_follow_Click();
    // The motion settings a previous run left: motion as the menu's index, Refresh, Follow.
    void restore_settings(int motion_index, bool refresh, bool follow);
    int checked_motion_index() const;

signals:
    // The box moved, its entry changed or it was shown or hidden.
    void changed();
    // The cursor motion, "Re&fresh" or "&Follow Cusror" changed.
    void settingsChanged();

private:
    const Document& doc_;
    EditHost& host_;
    double left_ = 8;
    double top_ = 3;
    QString caption_;
    bool visible_ = true;
    QString cursor_motion_ = QStringLiteral("r");
    QString entry_refresh_;
    bool follow_checked_ = false;
};

}  // namespace strumix
