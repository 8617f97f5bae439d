#pragma once

#include <QAction>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <vector>

#include "app/main_menus.h"
#include "app/view_geometry.h"

class QCheckBox;
class QFrame;
class QLabel;
class QScrollBar;
class QToolButton;

namespace strumix {

class ClipWidget;
class Document;
class PageWidget;
class TitleWindow;
class ToolPalette;

// The main window `form1`: tool strip, status box, option strip, the page in its viewport with
// two scroll bars, and the menus. It composes and wires; the behaviour lives in the tools and
// the document, and each part of the window follows the signal that concerns it.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(Document& document, ToolPalette& tools, QWidget* parent = nullptr);

    // A menu item by its name ("menu_open", "menu_cr_2", ...).
    QAction* action(const QString& name) const { return actions_.value(name); }
    QMenu* menu(const QString& name) const { return menus_.value(name); }
    QToolButton* tool_button(const QString& name) const;
    PageWidget* page() const { return page_; }
    ClipWidget* picture_clip() const { return clip_; }
    QScrollBar* hscroll() const { return hscroll_; }
    QScrollBar* vscroll() const { return vscroll_; }
    QFrame* toolbar() const { return toolbar_; }
    QFrame* slidewin() const { return slidewin_; }
    QCheckBox* opt(int index) const { return opt_[index]; }
    QLabel* box_activity() const { return box_activity_; }

    // Lays out strip, viewport, page and bars for the window's and the page's size as shown.
    void form_resize();
    // The page's zoom, 1 to 8 whole steps; the view is laid out again for it.
    int zoom() const;
    void set_zoom(int zoom);
    // The largest zoom at which the whole page fits the view without scroll bars (at least 1).
    int fit_zoom() const;
    // The menu bar, made and wired from its table (main_menus.cpp).
    void create_menus(const std::vector<MenuEntry>& entries);
    // File, "Open &Recent": the pages, numbered, each opened by `open` when chosen.
    void fill_recent_menu(const QStringList& paths,
                          const std::function<void(const QString&)>& open);
    // Scrolls the view, as little as it can, so that these page pixels are in sight.
    void make_visible(const QRect& page_pixels);
    // Centres the window on the screen (its size when not maximised).
    void center_window();
    // Shrinks the window to the screen it stands on and moves it onto it, where it is larger
    // or lies off every screen.
    void keep_on_screen();
    // Asked before the window closes (Exit, the close box); false keeps the program running.
    std::function<bool()> query_unload;
    // Help, "&About": the title window as the About box.
    void mnu_about_Click();
    TitleWindow* about_box() const;

signals:
    // A file dropped on the window from a file manager, to be opened as File, Open would.
    void pageDropped(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void create_tool_strip(QWidget* client);
    void create_option_strip(QWidget* client);
    void create_view(QWidget* client);
    // The clip at its place in the client area, the rows the tool bar covers cut off.
    void place_clip(const QRect& clip);

    void follow_tools();
    void follow_cursor_settings();
    ViewInput view_input() const;
    void hscroll_Change(int value);
    // The wheel over the page: the view moved by these screen pixels, within the bars' ranges.
    void scroll_view(QPoint pixels);
    void VScroll_Change(int value);

    Document& doc_;
    ToolPalette& tools_;
    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
    QFrame* toolbar_ = nullptr;
    QLabel* box_activity_ = nullptr;
    QFrame* slidewin_ = nullptr;
    std::array<QCheckBox*, 3> opt_{};
    QWidget* clip_holder_ = nullptr;
    ClipWidget* clip_ = nullptr;
    PageWidget* page_ = nullptr;
    QScrollBar* hscroll_ = nullptr;
    QScrollBar* vscroll_ = nullptr;
    bool laying_out_ = false;
    QPointer<QWidget> about_;
};

}  // namespace strumix
