#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "app/help_viewer.h"
#include "app/main_window.h"
#include "document/document.h"
#include "edit/tool_palette.h"
#include "page/program.h"

namespace strumix {

QAction* MainWindow::add_action(QMenu* menu, const QString& name, const QString& text,
                                const QKeySequence& shortcut) {
    auto* action = menu->addAction(text);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    actions_.insert(name, action);
    return action;
}

void MainWindow::create_menus() {
    auto add_menu = [this](QMenu* parent_menu, const QString& name, const QString& text, int help) {
        QMenu* menu = parent_menu ? parent_menu->addMenu(text) : menuBar()->addMenu(text);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        if (help) menu->setProperty(kHelpContextProperty, help);
        menus_.insert(name, menu);
        return menu;
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    QMenu* file = add_menu(nullptr, "menu_file", "&File", kHelpFileMenu);
    // Ctrl+N, Ctrl+O and Ctrl+Shift+S as on every desktop; Ctrl+S moves the cursor box.
    add_action(file, "menu_new", "&New...", QKeySequence(Qt::CTRL | Qt::Key_N));
    add_action(file, "menu_open", "&Open", QKeySequence(Qt::CTRL | Qt::Key_O));
    add_menu(file, "menu_recent", "Open &Recent", 0);
    add_action(file, "menu_save", "&Save");
    add_action(file, "menu_save_as", "Save &As...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    separator(file, "zxczxcvzxv");
    add_action(file, "mnu_revert", "&Revert");
    separator(file, "z_output");
    add_action(file, "mnu_export", "E&xport...");
    add_action(file, "mnu_print", "&Print...", QKeySequence(Qt::CTRL | Qt::Key_P));
    add_action(file, "mnu_print_preview", "Print Pre&view...");
    separator(file, "zzvhjkgh");
    add_action(file, "menu_set_backup", "&Set Backup", QKeySequence(Qt::Key_F3));
    add_action(file, "menu_revert", "&Revert to Backup", QKeySequence(Qt::Key_F4));
    separator(file, "z_bar");
    add_action(file, "menu_quit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* edit = add_menu(nullptr, "menu_edit", "&Edit", kHelpEditMenu);
    add_action(edit, "menu_undo", "&Undo", QKeySequence(Qt::Key_Delete));
    add_action(edit, "mnu_copy", "&Copy Image", QKeySequence(Qt::CTRL | Qt::Key_C));
    separator(edit, "zhjklkjh");
    add_action(edit, "menu_page", "&Adjust Layout to Image");
    separator(edit, "zxcv");
    QMenu* motion = add_menu(edit, "menu_option", "Cursor &Motion", 0);
    const char* const directions[5] = {"&Up", "&Down", "&Right", "Diagonal U&p", "Diagonal Do&wn"};
    const Qt::Key keys[5] = {Qt::Key_A, Qt::Key_Z, Qt::Key_S, Qt::Key_D, Qt::Key_X};
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    for (int i = 0; i < 5; ++i) {
        QAction* item =
            add_action(motion, QStringLiteral("menu_cr_%1").arg(i),
                       QString::fromLatin1(directions[i]), QKeySequence(Qt::CTRL | keys[i]));
        item->setCheckable(true);
        item->setChecked(i == 2);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, i] { tools_.location().menu_cr_Click(i); });
    }
    separator(motion, "z2");
    QAction* refresh =
        add_action(motion, "menu_cr_refresh", "Re&fresh", QKeySequence(Qt::CTRL | Qt::Key_R));
    refresh->setCheckable(true);
    connect(refresh, &QAction::triggered, this,
            [this] { tools_.location().menu_cr_refresh_Click(); });
    QAction* follow =
        add_action(motion, "mnu_follow", "&Follow Cusror", QKeySequence(Qt::CTRL | Qt::Key_F));
    follow->setCheckable(true);
    connect(follow, &QAction::triggered, this, [this] { tools_.location().mnu_follow_Click(); });
    separator(motion, "z1");
    QAction* save_settings = add_action(motion, "option_save_settings", "Sa&ve Settings on Exit");
    save_settings->setCheckable(true);
    save_settings->setChecked(true);

    QMenu* insert = add_menu(nullptr, "zmenu_insert", "&Insert", kHelpInsertMenu);
    add_action(insert, "mnu_title", "&Page Title");
    separator(insert, "zidhglsd");
    add_action(insert, "mnu_harmonic", "&Harmonic", QKeySequence(Qt::CTRL | Qt::Key_H));

    // The page as shown, never the page itself: every zoom acts on the same page pixels.
    QMenu* view = add_menu(nullptr, "menu_view", "&View", kHelpViewMenu);
    QAction* zoom_in = add_action(view, "mnu_zoom_in", "Zoom &In");
    zoom_in->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    zoom_in->setShortcutContext(Qt::WindowShortcut);
    add_action(view, "mnu_zoom_out", "Zoom &Out", QKeySequence(Qt::CTRL | Qt::Key_Minus));
    add_action(view, "mnu_actual_size", "&Actual Size", QKeySequence(Qt::CTRL | Qt::Key_0));
    add_action(view, "mnu_fit_page", "&Fit Page");

    QMenu* help = add_menu(nullptr, "zmenu_help", "&Help", kHelpHelpMenu);
    QAction* contents =
        add_action(help, "mnu_help_contents", "&Contents", QKeySequence(Qt::Key_F1));
    contents->setProperty(kHelpContextProperty, kHelpContents);
    separator(help, "zdfgfzhhgfgfx");
    add_action(help, "mnu_about", "&About");
}

void MainWindow::connect_edit_menus() {
    connect(action("menu_quit"), &QAction::triggered, this, &QWidget::close);
    connect(action("menu_undo"), &QAction::triggered, this, [this] { doc_.menu_undo_Click(); });
    connect(action("menu_set_backup"), &QAction::triggered, this, [this] { doc_.set_backup(); });
    connect(action("menu_revert"), &QAction::triggered, this, [this] { doc_.menu_revert_Click(); });
    connect(action("mnu_harmonic"), &QAction::triggered, this,
            [this] { tools_.mnu_harmonic_Click(); });
    connect(action("mnu_title"), &QAction::triggered, this, [this] { tools_.mnu_title_Click(); });
    connect(action("mnu_help_contents"), &QAction::triggered, this,
            [this] { HelpViewer::request(kHelpContents, this); });
    connect(action("mnu_about"), &QAction::triggered, this, &MainWindow::mnu_about_Click);
    connect(action("mnu_zoom_in"), &QAction::triggered, this, [this] { set_zoom(zoom() + 1); });
    connect(action("mnu_zoom_out"), &QAction::triggered, this, [this] { set_zoom(zoom() - 1); });
    connect(action("mnu_actual_size"), &QAction::triggered, this, [this] { set_zoom(1); });
    connect(action("mnu_fit_page"), &QAction::triggered, this, [this] { set_zoom(fit_zoom()); });
}

}  // namespace strumix
