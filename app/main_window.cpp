#include "app/main_window.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>
#include <cmath>

#include "app/help_viewer.h"
#include "app/page_widget.h"
#include "app/symbol_carry.h"
#include "app/tool_icons.h"
#include "app/view_geometry.h"
#include "edit/editor.h"
#include "page/page_font.h"
#include "title/title_window.h"

namespace strumix {

namespace {

constexpr char kHelpContext[] = "helpContext";
constexpr int kMainWindowHelp = 20;

QRect twips_rect(int left, int top, int width, int height) {
    return QRect(twips_to_pixels(left), twips_to_pixels(top), twips_to_pixels(width),
                 twips_to_pixels(height));
}

QRect to_pixels(const QRect& twips) {
    return twips_rect(twips.left(), twips.top(), twips.width(), twips.height());
}

void grey_panel(QFrame* frame, QFrame::Shadow shadow) {
    frame->setFrameStyle(QFrame::Panel | shadow);
    frame->setLineWidth(1);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    frame->setPalette(palette);
}

}  // namespace

int twips_to_pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }
int pixels_to_twips(int pixels) { return pixels * 15; }

MainWindow::MainWindow(Editor& editor, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      editor_(editor) {
    setObjectName(QStringLiteral("form1"));
    setProperty(kHelpContext, kMainWindowHelp);
    setWindowTitle(editor_.caption);
    setWindowIcon(QIcon(QStringLiteral(":/icons/main.png")));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, Qt::white);
    client->setPalette(palette);
    setCentralWidget(client);
    // The window's design size; it opens maximised.
    resize(twips_to_pixels(8805), twips_to_pixels(5955));

    create_view(client);
    create_option_strip(client);
    create_tool_strip(client);
    create_menus();
    new SymbolCarry(editor_, *this, *page_);
    // Every control carries the window's number; the menus keep their own.
    for (QWidget* child : findChildren<QWidget*>()) {
        if (!qobject_cast<QMenu*>(child)) child->setProperty(kHelpContext, kMainWindowHelp);
    }

    connect(&editor_, &Editor::stateChanged, this, &MainWindow::sync);
    connect(&editor_.Picture1, &PagePicture::resized, this, &MainWindow::form_resize);
}

QToolButton* MainWindow::tool_button(const QString& name) const {
    return toolbar_->findChild<QToolButton*>(name);
}

void MainWindow::create_tool_strip(QWidget* client) {
    toolbar_ = new QFrame(client);
    toolbar_->setObjectName(QStringLiteral("toolbar"));
    grey_panel(toolbar_, QFrame::Raised);
    toolbar_->setGeometry(twips_rect(0, 0, 8775, 585));
    for (const ToolButtonEntry& tool : tool_strip()) {
        auto* button = new QToolButton(toolbar_);
        button->setObjectName(tool.name);
        button->setProperty("tag", tool.tag);
        button->setToolTip(tool.status);
        button->setStatusTip(tool.status);
        button->setIcon(QIcon(tool.icon));
        button->setIconSize(tool.group == ToolGroup::Numbers ? QSize(18, 18) : QSize(32, 32));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(twips_rect(tool.left_twips, 60, 480, 480));
        const int index = tool.index;
        switch (tool.group) {
            case ToolGroup::Erase:
                connect(button, &QToolButton::clicked, this, [this] { editor_.btn_edit_Click(); });
                break;
            case ToolGroup::Numbers:
                connect(button, &QToolButton::clicked, this,
                        [this, index] { editor_.btn_mode_Click(index); });
                break;
            case ToolGroup::Slur:
                connect(button, &QToolButton::clicked, this,
                        [this, index] { editor_.pic_tool_Click(index); });
                break;
            case ToolGroup::Symbol:
                connect(button, &QToolButton::pressed, this,
                        [this, index] { editor_.btn_bend_MouseDown(index, kLeftButton, 0, 0, 0); });
                connect(button, &QToolButton::clicked, this,
                        [this, index] { editor_.btn_bend_Click(index); });
                break;
        }
    }
    box_activity_ = new QLabel(toolbar_);
    box_activity_->setObjectName(QStringLiteral("box_activity"));
    box_activity_->setProperty("tag", QStringLiteral("Status Box"));
    box_activity_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box_activity_->setFont(page_font());
    box_activity_->setAlignment(Qt::AlignCenter);
    box_activity_->setText(editor_.status_text);
    box_activity_->setGeometry(twips_rect(6990, 60, 1725, 465));
}

void MainWindow::create_option_strip(QWidget* client) {
    slidewin_ = new QFrame(client);
    slidewin_->setObjectName(QStringLiteral("slidewin"));
    grey_panel(slidewin_, QFrame::Raised);
    slidewin_->setGeometry(twips_rect(0, 570, 2175, 345));
    struct Option {
        const char* caption;
        const char* tag;
        int left, width;
    };
    const Option options[3] = {{"&Arc", "Draw Arc Option", 180, 555},
                               {"&Line", "Draw Line Option", 720, 555},
                               {"&Letter", "Draw Letter Option", 1350, 765}};
    for (int i = 0; i < 3; ++i) {
        auto* box = new QCheckBox(QString::fromLatin1(options[i].caption), slidewin_);
        box->setObjectName(QStringLiteral("opt_%1").arg(i));
        box->setProperty("tag", QString::fromLatin1(options[i].tag));
        box->setFont(page_font());
        box->setFocusPolicy(Qt::NoFocus);
        box->setGeometry(twips_rect(options[i].left, 60, options[i].width, 225));
        box->setChecked(editor_.opt[i]);
        connect(box, &QCheckBox::clicked, this, [this, i](bool checked) {
            editor_.opt[i] = checked;
            editor_.opt_Click(i, checked);
        });
        opt_[i] = box;
    }
}

void MainWindow::create_view(QWidget* client) {
    clip_ = new ClipWidget(client);
    clip_->setGeometry(twips_rect(0, 540, 8595, 5175));
    page_ = new PageWidget(editor_, clip_);
    page_->setProperty("tag", QStringLiteral("Tab Page  "));
    page_->setGeometry(twips_rect(0, 0, 8580, 3285));

    hscroll_ = new QScrollBar(Qt::Horizontal, client);
    hscroll_->setObjectName(QStringLiteral("hscroll"));
    hscroll_->setRange(0, 100);
    hscroll_->setPageStep(10);
    hscroll_->setGeometry(twips_rect(0, 5700, 8595, 240));
    hscroll_->hide();
    vscroll_ = new QScrollBar(Qt::Vertical, client);
    vscroll_->setObjectName(QStringLiteral("VScroll"));
    vscroll_->setRange(0, 0);
    vscroll_->setSingleStep(kRowTwips);
    vscroll_->setGeometry(twips_rect(8580, 570, 225, 5115));
    vscroll_->hide();
    connect(hscroll_, &QScrollBar::valueChanged, this, &MainWindow::hscroll_Change);
    connect(vscroll_, &QScrollBar::valueChanged, this, &MainWindow::VScroll_Change);
}

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
        if (help) menu->setProperty(kHelpContext, help);
        menus_.insert(name, menu);
        return menu;
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    QMenu* file = add_menu(nullptr, "menu_file", "&File", 310);
    add_action(file, "menu_new", "&New...");
    add_action(file, "menu_open", "&Open");
    add_action(file, "menu_save", "&Save");
    add_action(file, "menu_save_as", "Save &As...");
    separator(file, "zxczxcvzxv");
    add_action(file, "mnu_revert", "&Revert");
    separator(file, "zzvhjkgh");
    add_action(file, "menu_set_backup", "&Set Backup", QKeySequence(Qt::Key_F3));
    add_action(file, "menu_revert", "&Revert to Backup", QKeySequence(Qt::Key_F4));
    separator(file, "z_bar");
    add_action(file, "menu_quit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* edit = add_menu(nullptr, "menu_edit", "&Edit", 320);
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
        connect(item, &QAction::triggered, this, [this, i] { editor_.menu_cr_Click(i); });
    }
    separator(motion, "z2");
    QAction* refresh =
        add_action(motion, "menu_cr_refresh", "Re&fresh", QKeySequence(Qt::CTRL | Qt::Key_R));
    refresh->setCheckable(true);
    connect(refresh, &QAction::triggered, this, [this] { editor_.menu_cr_refresh_Click(); });
    QAction* follow =
        add_action(motion, "mnu_follow", "&Follow Cusror", QKeySequence(Qt::CTRL | Qt::Key_F));
    follow->setCheckable(true);
    connect(follow, &QAction::triggered, this, [this] { editor_.mnu_follow_Click(); });
    separator(motion, "z1");
    QAction* save_settings = add_action(motion, "option_save_settings", "Sa&ve Settings on Exit");
    save_settings->setCheckable(true);
    save_settings->setChecked(true);

    QMenu* insert = add_menu(nullptr, "zmenu_insert", "&Insert", 330);
    add_action(insert, "mnu_title", "&Page Title");
    separator(insert, "zidhglsd");
    add_action(insert, "mnu_harmonic", "&Harmonic", QKeySequence(Qt::CTRL | Qt::Key_H));

    QMenu* help = add_menu(nullptr, "zmenu_help", "&Help", 340);
    QAction* contents =
        add_action(help, "mnu_help_contents", "&Contents", QKeySequence(Qt::Key_F1));
    contents->setProperty(kHelpContext, 1);
    separator(help, "zdfgfzhhgfgfx");
    add_action(help, "mnu_about", "&About");

    connect(action("menu_quit"), &QAction::triggered, this, &QWidget::close);
    connect(action("menu_undo"), &QAction::triggered, this, [this] { editor_.menu_undo_Click(); });
    connect(action("menu_set_backup"), &QAction::triggered, this,
            [this] { editor_.menu_set_backup_Click(); });
    connect(action("menu_revert"), &QAction::triggered, this,
            [this] { editor_.menu_revert_Click(); });
    connect(action("mnu_harmonic"), &QAction::triggered, this,
            [this] { editor_.mnu_harmonic_Click(); });
    connect(action("mnu_title"), &QAction::triggered, this, [this] { editor_.mnu_title_Click(); });
    connect(action("mnu_help_contents"), &QAction::triggered, this,
            [this] { HelpViewer::request(kHelpContents, this); });
    connect(action("mnu_about"), &QAction::triggered, this, &MainWindow::mnu_about_Click);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Exit and the close box both come here: a changed page is not thrown away unasked.
    if (query_unload && !query_unload()) {
        event->ignore();
        return;
    }
    event->accept();
}

void MainWindow::mnu_about_Click() {
    // One About box at a time: a second request brings the open one forward.
    if (about_) {
        about_->raise();
        about_->activateWindow();
        return;
    }
    auto* title = new TitleWindow(this);
    about_ = title;
    title->enter_main = [this] {
        raise();
        activateWindow();
        page_->setFocus();
    };
    title->load(isVisible());
}

TitleWindow* MainWindow::about_box() const { return qobject_cast<TitleWindow*>(about_.data()); }

void MainWindow::sync() {
    setWindowTitle(editor_.caption);
    box_activity_->setText(editor_.status_text);
    slidewin_->setVisible(editor_.slidewin_visible);
    for (int i = 0; i < 3; ++i) opt_[i]->setChecked(editor_.opt[i]);
    const int motion = editor_.checked_motion_index();
    for (int i = 0; i < 5; ++i)
        action(QStringLiteral("menu_cr_%1").arg(i))->setChecked(i == motion);
    action("menu_cr_refresh")->setChecked(editor_.entry_refresh == QLatin1String("on"));
    action("mnu_follow")->setChecked(editor_.follow_checked);
    page_->sync();
}

void MainWindow::form_resize() {
    if (laying_out_) return;
    laying_out_ = true;
    ViewInput in;
    // The layout arithmetic works on the window's outer size; the client area lies 120 twips
    // inside it across and 675 twips (caption, menu bar and frame) down.
    in.window = QSize(pixels_to_twips(centralWidget()->width()) + 120,
                      pixels_to_twips(centralWidget()->height()) + 675);
    in.toolbar_height = pixels_to_twips(toolbar_->height());
    in.page = QSize(pixels_to_twips(editor_.Picture1.size().width()),
                    pixels_to_twips(editor_.Picture1.size().height()));
    in.hscroll_height = pixels_to_twips(hscroll_->height());
    in.vscroll_width = pixels_to_twips(vscroll_->width());
    in.box_activity_left = pixels_to_twips(box_activity_->x());
    in.box_activity_top = pixels_to_twips(box_activity_->y());
    in.box_activity_width = pixels_to_twips(box_activity_->width());
    in.hscroll_value = hscroll_->isVisible() ? hscroll_->value() : 0;
    in.vscroll_value = vscroll_->isVisible() ? vscroll_->value() : 0;
    in.minimised = isMinimized();
    const ViewLayout out = form_resize_layout(in);
    if (out.changed) {
        toolbar_->setGeometry(to_pixels(out.toolbar));
        clip_->setGeometry(to_pixels(out.picture_clip));
        hscroll_->setVisible(out.hscroll_visible);
        if (out.hscroll_visible) hscroll_->setGeometry(to_pixels(out.hscroll));
        {
            const QSignalBlocker block(vscroll_);
            vscroll_->setRange(0, out.vscroll_maximum);
            vscroll_->setPageStep(std::max(1, pixels_to_twips(clip_->height())));
        }
        vscroll_->setVisible(out.vscroll_visible);
        if (out.vscroll_visible) vscroll_->setGeometry(to_pixels(out.vscroll));
        clip_->set_tiled(out.tile_background);
        QRect status = box_activity_->geometry();
        status.setWidth(twips_to_pixels(out.box_activity_width));
        box_activity_->setGeometry(status);
        place_page(out.page_pos);
        page_->sync();
    }
    laying_out_ = false;
}

void MainWindow::place_page(QPoint pos_twips) {
    page_->move(twips_to_pixels(pos_twips.x()), twips_to_pixels(pos_twips.y()));
}

void MainWindow::hscroll_Change(int value) {
    if (!hscroll_->isVisible() || laying_out_) return;
    const int left = hscroll_page_left(value, hscroll_->maximum(), page_->width(), clip_->width());
    page_->move(left, page_->y());
    page_->update();
}

void MainWindow::VScroll_Change(int value) {
    if (laying_out_) return;
    page_->move(page_->x(), -twips_to_pixels(value));
    page_->setFocus();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    form_resize();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) form_resize();
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    QMainWindow::mousePressEvent(event);
    editor_.Form_Click();
}

}  // namespace strumix
