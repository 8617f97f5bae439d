#pragma once

#include <QObject>
#include <QString>

#include "page/page_geometry.h"

namespace strumix {

class Document;
class EditHost;

// Where the box goes after a number or harmonic is written: the Cursor Motion items, in menu
// order ("u", "d", "r", "ur", "dr").
enum class CursorMotion { Up, Down, Right, DiagonalUp, DiagonalDown };
// "Re&fresh": the entry emptied after each advance when on. Neither on nor off at start-up,
// which counts as off.
enum class EntryRefresh { Unset, On, Off };

// The cursor box `location`: a window element over the page that sits on one note cell and
// shows the entry typed so far, never part of the picture. Its place is in character cells,
// whatever unit the page is in. It also keeps the settings that move it: the cursor motion,
// "Re&fresh" and "&Follow Cusror".
class CursorBox : public QObject {
    Q_OBJECT

public:
    static constexpr double kWidth = page_cells::kBoxWidth;
    static constexpr double kHeight = page_cells::kBoxHeight;

    CursorBox(const Document& document, EditHost& host);

    double left() const { return left_; }
    double top() const { return top_; }
    void place(double left, double top);
    const QString& caption() const { return caption_; }
    void set_caption(const QString& caption);
    bool visible() const { return visible_; }
    void set_visible(bool visible);

    void cursor_home();
    // The row above the first string, as after an open: clear of the page's numbers, the view
    // following.
    void place_above_page();
    void cursor_left();
    void cursor_right();
    void cursor_up();
    void cursor_down();
    // The move after a number or harmonic, by `cursor_motion`.
    void advance();
    void follow_cursor();

    CursorMotion cursor_motion() const { return cursor_motion_; }
    EntryRefresh entry_refresh() const { return entry_refresh_; }
    bool refresh_on() const { return entry_refresh_ == EntryRefresh::On; }
    bool follow_checked() const { return follow_checked_; }
    void menu_cr_Click(int index);
    void menu_cr_refresh_Click();
    void mnu_follow_Click();
    // The motion settings a previous run left.
    void restore_settings(CursorMotion motion, bool refresh, bool follow);

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
    CursorMotion cursor_motion_ = CursorMotion::Right;
    EntryRefresh entry_refresh_ = EntryRefresh::Unset;
    bool follow_checked_ = false;
};

}  // namespace strumix
