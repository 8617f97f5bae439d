#include "app/main_window.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <cmath>

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "app/carry_pointer.h"
#include "app/page_widget.h"
#include "document/document.h"
#include "edit/tool_palette.h"
#include "edit/tool_table.h"
#include "flows/stored_settings.h"
#include "page/glyphs.h"
#include "page/page_font.h"
#include "page/page_geometry.h"
#include "page/program_facts.h"
#include "title/title_window.h"
#include "widgets/panels.h"

namespace strumix {

MainWindow::MainWindow(Document& document, ToolPalette& tools, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      doc_(document),
      tools_(tools) {
    setObjectName(QStringLiteral("form1"));
    setWindowTitle(doc_.caption());
    setWindowIcon(program_icon(QStringLiteral(":/icons/main.png")));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    fill_background(client, Qt::white);
    setCentralWidget(client);
    setAcceptDrops(true);
    // The window's design size; it opens maximised.
    resize(twips_to_pixels(8805), twips_to_pixels(5955));

    create_view(client);
    create_option_strip(client);
    create_tool_strip(client);
    place_clip(twips_rect(0, 540, 8595, 5175));
    // Every control carries the window's number; the menus, made next, keep their own.
    set_help_context(this, kHelpMainWindow);
    new CarryPointer(tools_, *this, *page_);

    connect(&doc_, &Document::namesChanged, this, [this] { setWindowTitle(doc_.caption()); });
    connect(&doc_, &Document::pageResized, this, &MainWindow::form_resize);
    connect(&tools_, &ToolPalette::changed, this, &MainWindow::follow_tools);
    connect(&tools_.location(), &CursorBox::settingsChanged, this,
            &MainWindow::follow_cursor_settings);
    follow_tools();
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
        button->setToolTip(tool_status_name(tool.tool));
        button->setStatusTip(tool_status_name(tool.tool));
        // A screen reader names the button as the status box names its tool.
        button->setAccessibleName(tool_status_name(tool.tool));
        button->setAccessibleDescription(
            QCoreApplication::translate("MainWindow", "Tool: %1").arg(tool_status_name(tool.tool)));
        button->setIcon(program_icon(tool.icon));
        button->setIconSize(tool.tool == ToolId::Numbers ? QSize(18, 18) : QSize(32, 32));
        button->setAutoRaise(true);
        // Shown pressed while its tool is the one in use.
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(twips_rect(tool.left_twips, 60, 480, 480));
        const ToolId id = tool.tool;
        connect(button, &QToolButton::clicked, this, [this, id] { tools_.select(id); });
    }
    box_activity_ = new QLabel(toolbar_);
    box_activity_->setObjectName(QStringLiteral("box_activity"));
    box_activity_->setProperty("tag", QStringLiteral("Status Box"));
    box_activity_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box_activity_->setFont(page_font());
    box_activity_->setAlignment(Qt::AlignCenter);
    box_activity_->setText(tools_.status_text());
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
    const Option options[3] = {
        {QT_TRANSLATE_NOOP("MainWindow", "&Arc"), "Draw Arc Option", 180, 555},
        {QT_TRANSLATE_NOOP("MainWindow", "&Line"), "Draw Line Option", 720, 555},
        {QT_TRANSLATE_NOOP("MainWindow", "&Letter"), "Draw Letter Option", 1350, 765}};
    for (int i = 0; i < 3; ++i) {
        auto* box =
            new QCheckBox(QCoreApplication::translate("MainWindow", options[i].caption), slidewin_);
        box->setObjectName(QStringLiteral("opt_%1").arg(i));
        box->setProperty("tag", QString::fromLatin1(options[i].tag));
        box->setFont(page_font());
        box->setFocusPolicy(Qt::NoFocus);
        box->setGeometry(twips_rect(options[i].left, 60, options[i].width, 225));
        box->setChecked(tools_.opt()[i]);
        connect(box, &QCheckBox::clicked, this,
                [this, i](bool checked) { tools_.opt_Click(i, checked); });
        opt_[i] = box;
    }
}

void MainWindow::create_view(QWidget* client) {
    // The clip's top row lies under the tool bar, which is stacked above it. The clip sits in a
    // holder that begins below the tool bar, so that nothing covers the part of the clip that
    // shows: only then does Qt move the page by copying what is already on screen and repaint
    // just the strip that comes into view, rather than the whole view at each wheel notch.
    clip_holder_ = new QWidget(client);
    clip_holder_->setObjectName(QStringLiteral("clip_holder"));
    clip_ = new ClipWidget(clip_holder_);
    page_ = new PageWidget(doc_, tools_, clip_);
    page_->setProperty("tag", QStringLiteral("Tab Page  "));
    page_->setGeometry(twips_rect(0, 0, 8580, 3285));
    connect(page_, &PageWidget::zoomWheel, this, [this](int steps) { set_zoom(zoom() + steps); });
    connect(page_, &PageWidget::scrollWheel, this, &MainWindow::scroll_view);

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

void MainWindow::follow_tools() {
    const QString selected = tool_entry(tools_.shown_tool()).name;
    for (QToolButton* button : toolbar_->findChildren<QToolButton*>())
        button->setChecked(button->objectName() == selected);
    box_activity_->setText(tools_.status_text());
    slidewin_->setVisible(tools_.slidewin_visible());
    for (int i = 0; i < 3; ++i) opt_[i]->setChecked(tools_.opt()[i]);
}

void MainWindow::follow_cursor_settings() {
    if (actions_.isEmpty()) return;
    const CursorBox& box = tools_.location();
    const int motion = int(box.cursor_motion());
    for (int i = 0; i < 5; ++i)
        action(QStringLiteral("menu_cr_%1").arg(i))->setChecked(i == motion);
    action("menu_cr_refresh")->setChecked(box.refresh_on());
    action("mnu_follow")->setChecked(box.follow_checked());
}

void MainWindow::make_visible(const QRect& page_pixels) {
    const int zoom = page_->zoom();
    const QRect shown(page_pixels.topLeft() * zoom, page_pixels.size() * zoom);
    if (vscroll_->isVisible()) {
        const int top = -page_->y();
        int wanted = top;
        if (shown.top() < top) wanted = shown.top();
        if (shown.bottom() >= top + clip_->height())
            wanted = std::min(shown.top(), shown.bottom() + 1 - clip_->height());
        if (wanted != top) vscroll_->setValue(pixels_to_twips(std::max(0, wanted)));
    }
    if (hscroll_->isVisible()) {
        const int excess = page_->width() - clip_->width();
        const int left = -page_->x();
        int wanted = left;
        if (shown.left() < left) wanted = shown.left();
        if (shown.right() >= left + clip_->width())
            wanted = std::min(shown.left(), shown.right() + 1 - clip_->width());
        if (wanted != left && excess > 0)
            hscroll_->setValue(
                std::clamp(int(std::ceil(double(wanted) * hscroll_->maximum() / excess)), 0,
                           hscroll_->maximum()));
    }
}

void MainWindow::center_window() {
    const QRect screen = this->screen()->availableGeometry();
    const QRect frame = frameGeometry();
    move(screen.left() + (screen.width() - frame.width()) / 2,
         screen.top() + (screen.height() - frame.height()) / 2);
}

void MainWindow::keep_on_screen() {
    QScreen* screen = QGuiApplication::screenAt(geometry().center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    // The frame around the client area, as far as the window system has said what it is.
    const QRect frame = frameGeometry();
    const QSize border = frame.size() - geometry().size();
    const QSize most = (area.size() - border).expandedTo(minimumSizeHint());
    const QSize size = geometry().size().boundedTo(most);
    if (size != geometry().size()) resize(size);
    const QSize outer = size + border;
    const int left = std::clamp(frame.left(), area.left(),
                                std::max(area.left(), area.right() + 1 - outer.width()));
    const int top = std::clamp(frame.top(), area.top(),
                               std::max(area.top(), area.bottom() + 1 - outer.height()));
    if (QPoint(left, top) != frame.topLeft()) move(left, top);
}

int MainWindow::zoom() const { return page_->zoom(); }

void MainWindow::set_zoom(int zoom) {
    page_->set_zoom(zoom);
    const int shown = page_->zoom();
    // The horizontal bar as at actual size (0 to 100, steps of 1 and 10) at 1 x, and finer in
    // proportion when zoomed, so that a step moves a part of the view and not a screen. It
    // keeps its place along the page.
    {
        const QSignalBlocker block(hscroll_);
        const int maximum = 100 * shown;
        const int value = int(
            std::lround(double(hscroll_->value()) * maximum / std::max(1, hscroll_->maximum())));
        hscroll_->setRange(0, maximum);
        hscroll_->setPageStep(10 * shown);
        hscroll_->setValue(value);
    }
    if (QAction* in = action("mnu_zoom_in")) in->setEnabled(shown < kMaxZoom);
    if (QAction* out = action("mnu_zoom_out")) out->setEnabled(shown > kMinZoom);
    form_resize();
}

int MainWindow::fit_zoom() const {
    return fit_page_zoom(doc_.Picture1().size(), view_input(), kMaxZoom);
}

ViewInput MainWindow::view_input() const {
    ViewInput in;
    // The layout arithmetic works on the window's outer size; the client area lies 120 twips
    // inside it across and 675 twips (caption, menu bar and frame) down.
    in.window = QSize(pixels_to_twips(centralWidget()->width()) + 120,
                      pixels_to_twips(centralWidget()->height()) + 675);
    in.toolbar_height = pixels_to_twips(toolbar_->height());
    in.page = QSize(pixels_to_twips(page_->width()), pixels_to_twips(page_->height()));
    in.hscroll_height = pixels_to_twips(hscroll_->height());
    in.vscroll_width = pixels_to_twips(vscroll_->width());
    in.box_activity_left = pixels_to_twips(box_activity_->x());
    in.box_activity_top = pixels_to_twips(box_activity_->y());
    in.box_activity_width = pixels_to_twips(box_activity_->width());
    in.hscroll_value = hscroll_->isVisible() ? hscroll_->value() : 0;
    in.hscroll_maximum = hscroll_->maximum();
    in.vscroll_value = vscroll_->isVisible() ? vscroll_->value() : 0;
    in.minimised = isMinimized();
    return in;
}

void MainWindow::form_resize() {
    if (laying_out_) return;
    laying_out_ = true;
    const ViewLayout out = form_resize_layout(view_input());
    if (out.changed) {
        toolbar_->setGeometry(twips_rect(out.toolbar));
        place_clip(twips_rect(out.picture_clip));
        hscroll_->setVisible(out.hscroll_visible);
        if (out.hscroll_visible) hscroll_->setGeometry(twips_rect(out.hscroll));
        {
            const QSignalBlocker block(vscroll_);
            vscroll_->setRange(0, out.vscroll_maximum);
            vscroll_->setPageStep(std::max(1, pixels_to_twips(clip_->height())));
        }
        vscroll_->setVisible(out.vscroll_visible);
        if (out.vscroll_visible) vscroll_->setGeometry(twips_rect(out.vscroll));
        clip_->set_tiled(out.tile_background);
        QRect status = box_activity_->geometry();
        status.setWidth(twips_to_pixels(out.box_activity_width));
        box_activity_->setGeometry(status);
        page_->move(twips_to_pixels(out.page_pos.x()), twips_to_pixels(out.page_pos.y()));
    }
    laying_out_ = false;
}

void MainWindow::place_clip(const QRect& clip) {
    const int covered =
        std::clamp(toolbar_->geometry().bottom() + 1 - clip.top(), 0, clip.height());
    clip_holder_->setGeometry(clip.adjusted(0, covered, 0, 0));
    clip_->setGeometry(0, -covered, clip.width(), clip.height());
}

void MainWindow::hscroll_Change(int value) {
    if (!hscroll_->isVisible() || laying_out_) return;
    const int left = hscroll_page_left(value, hscroll_->maximum(), page_->width(), clip_->width());
    page_->move(left, page_->y());
}

void MainWindow::scroll_view(QPoint pixels) {
    if (vscroll_->isVisible() && pixels.y() != 0)
        vscroll_->setValue(vscroll_->value() + pixels_to_twips(pixels.y()));
    const int excess = page_->width() - clip_->width();
    if (hscroll_->isVisible() && pixels.x() != 0 && excess > 0) {
        const int wanted = std::clamp(-page_->x() + pixels.x(), 0, excess);
        hscroll_->setValue(int(std::lround(double(wanted) * hscroll_->maximum() / excess)));
    }
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

// The one local file a drop carries; nothing for several files, or for text and web links.
static QString dropped_file(const QMimeData* data) {
    if (!data || !data->hasUrls()) return QString();
    // urls() hands back a list of its own each time: held, not referred into.
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return QString();
    return urls.front().toLocalFile();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!dropped_file(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = dropped_file(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // Opened once the drop is over: the file manager is not kept waiting on our questions.
    QTimer::singleShot(0, this, [this, path] { emit pageDropped(path); });
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    QMainWindow::mousePressEvent(event);
    tools_.Form_Click();
}

}  // namespace strumix
