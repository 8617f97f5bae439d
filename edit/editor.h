#pragma once

#include <QLine>
#include <QObject>
#include <QRect>
#include <QString>
#include <array>

#include "edit/editor_host.h"
#include "page/glyphs.h"
#include "page/layout_model.h"
#include "page/page_picture.h"

namespace strumix {

inline constexpr char kProgramTitle[] = "Strumix 95 v1.0a";

// Mouse buttons as the page's mouse handlers receive them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// The cursor box `location`: a window element over the page, never part of the picture.
// Its place is in character cells.
struct CursorBox {
    static constexpr double kWidth = 2.0;
    static constexpr double kHeight = 0.9375;
    double left = 8;
    double top = 3;
    QString caption;
    bool visible = true;
};

enum class PagePointer { Default, CrossHair };

// The editor without its windows: the page layout model, the page `Picture1` with its undo and
// backup copies, the cursor box, the tool in use and the main window's settings. Windows turn
// Qt events into calls on it and show its state; what it must ask goes through EditorHost.
class Editor : public QObject {
    Q_OBJECT

public:
    explicit Editor(EditorHost& host, QObject* parent = nullptr);

    EditorHost& host() { return host_; }

    // --- program-wide state -----------------------------------------------------------------
    LayoutModel model;
    PagePicture Picture1;
    CursorBox location;
    // 0 the undo copy, 1 the backup copy, 2 the scratch picture of Undo.
    std::array<Picture, 3> backup;

    // Main window settings and visible state.
    QString caption = QStringLiteral("Strumix v1.0a ");
    QString status_text = QStringLiteral("Selected Tool: Insert Numbers");
    QString cursor_motion = QStringLiteral("r");
    QString entry_refresh;  // "on", "off" or unset (counts as "off")
    bool follow_checked = false;
    std::array<bool, 3> opt = {false, true, true};  // "&Arc", "&Line", "&Letter"
    bool slidewin_visible = true;
    PagePointer page_pointer = PagePointer::Default;

    // Drag state shared by the erase and slur tools, in the page's unit at the press.
    bool mouse_is_down = false;
    int drag_start_x = 0;
    int drag_start_y = 0;
    int drag_end_x = 0;
    int drag_end_y = 0;
    int arc_mid_x = 0;
    int arc_center_y = 0;
    // The rubber bands over the page, in pixels: the erase rectangle `box` and the slur `line1`.
    QRect box_band;
    bool box_visible = false;
    QLine line1_band;
    bool line1_visible = false;
    // The notation symbol being carried by the pointer, or -1.
    int carried_symbol = -1;
    // The notation symbols `pic_bend` 0–7: what a drop stamps and what the carrying pointer shows.
    std::array<QImage, kSymbolCount> pic_bend;

    // --- the document -----------------------------------------------------------------------
    // Set by every change of the page's pixels; cleared by page_kept().
    bool drawn_since_kept = false;
    // Page files read and written so far, so a command can tell a completed open or save from
    // a cancelled one.
    int files_read = 0;
    int files_written = 0;

    // --- start-up and page rendering --------------------------------------------------------
    // The main window's load sequence.
    void startup();
    // The whole blank page of the current layout; on failure shows the message, opens the Page
    // Layout dialog when it is hidden and sets `layout_failed`.
    void Redraw_pic();
    bool size_page(int measures_across);
    // Tells the windows that state other than the page's pixels changed.
    void notify() { emit stateChanged(); }

    // --- cursor box and motion --------------------------------------------------------------
    void cursor_home();
    void cursor_left();
    void cursor_right();
    void cursor_up();
    void cursor_down();
    void advance();  // the move after a number or harmonic, by `cursor_motion`
    void follow_cursor();
    void menu_cr_Click(int index);
    void menu_cr_refresh_Click();
    void mnu_follow_Click();
    int checked_motion_index() const;

    // --- undo and backup --------------------------------------------------------------------
    void take_undo_copy();
    void commit_page();
    void commit_and_mark_unchanged();
    void set_backup();
    bool page_changed() const;
    // Whether the save question must be asked before the page is replaced or the program ends:
    // the undo copy test above, or anything drawn since the page was created, opened or saved
    // (selecting a notation tool commits typed numbers and so passes the undo copy test).
    bool page_counts_as_changed() const { return page_changed() || drawn_since_kept; }
    // The page is now what was just created, opened or saved.
    void page_kept() { drawn_since_kept = false; }
    void menu_undo_Click();
    void menu_set_backup_Click();
    void menu_revert_Click();

    // --- tool palette -----------------------------------------------------------------------
    void btn_mode_Click(int index);
    void btn_edit_Click();
    void pic_tool_Click(int index);
    void btn_bend_Click(int index);
    void btn_bend_MouseDown(int index, int button, int shift, double x, double y);
    void opt_Click(int index, bool value);
    void Form_Click();
    void Form_DragDrop(int symbol, double x, double y);

    // --- the page's keys and mouse ----------------------------------------------------------
    // Key codes are the classic virtual-key codes (see edit/key_codes.h).
    void Picture1_KeyDown(int key_code, int shift);
    void mnu_harmonic_Click();
    void insert_harmonic();
    // Insert, "&Page Title": prints the title the user types bold and underlined at the top.
    void mnu_title_Click();
    // Positions are in the page's current unit.
    void Picture1_MouseDown(int button, int shift, double x, double y);
    void Picture1_MouseMove(int button, int shift, double x, double y);
    void Picture1_MouseUp(int button, int shift, double x, double y);
    void Picture1_DragDrop(int symbol, double x, double y);
    void Picture1_DragOver(int symbol, double x, double y, int state);

signals:
    void stateChanged();

private:
    // Enter in number entry: prints the entry at the box's cell and moves the box on.
    void write_entry();
    // The erase and slur tools' parts of the page's mouse handlers.
    void erase_press(double x, double y);
    void erase_move(double x, double y);
    void erase_release(double x, double y);
    void slur_press(double x, double y);
    void slur_move(double x, double y);
    void slur_release(double x, double y);
    // The erase band `box` over the rectangle spanned by the drag, shown in pixels.
    void place_box_band();

    EditorHost& host_;
};

}  // namespace strumix
