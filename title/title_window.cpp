#include "title/title_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <cmath>

#include "page/glyphs.h"
#include "page/page_font.h"
#include "page/page_geometry.h"
#include "page/program_facts.h"
#include "widgets/panels.h"

namespace strumix {

namespace {}  // namespace

TitleWindow::TitleWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("title"));
    setAttribute(Qt::WA_DeleteOnClose);
    // No caption text. An empty title would make the platform show the program's name, so the
    // title bar gets a single blank.
    setWindowTitle(QStringLiteral(" "));
    setWindowIcon(program_icon(QStringLiteral(":/icons/title.png")));
    fill_background(this, kPanelGrey);
    setFixedSize(twips_to_pixels(4635), twips_to_pixels(4605));

    tiles_.append(tile_copy(this, 0, twips_rect(150, 150, 0, 0).topLeft()));

    box_ = new QFrame(this);
    box_->setObjectName(QStringLiteral("box"));
    grey_panel(box_, QFrame::Raised, 2);
    box_->setGeometry(twips_rect(810, 840, 3015, 2895));
    caption_ = new QLabel(box_);
    caption_->setObjectName(QStringLiteral("box_caption"));
    QFont font(shipped_font_family());
    font.setPointSize(12);
    font.setBold(true);
    font.setUnderline(true);
    caption_->setFont(font);
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setGeometry(box_->contentsRect());

    btn_bend_ = new QToolButton(box_);
    btn_bend_->setObjectName(QStringLiteral("btn_bend"));
    btn_bend_->setIcon(program_icon(QStringLiteral(":/tools/btn_bend0.png")));
    btn_bend_->setIconSize(QSize(32, 32));
    btn_bend_->setAutoRaise(true);
    btn_bend_->setCursor(Qt::PointingHandCursor);
    // The window takes the keys that press it.
    btn_bend_->setFocusPolicy(Qt::NoFocus);
    btn_bend_->setToolTip(QCoreApplication::translate("TitleWindow", "Open the tab page (Enter)"));
    btn_bend_->setGeometry(twips_rect(1290, 2310, 480, 480));
    btn_bend_->hide();
    connect(btn_bend_, &QToolButton::clicked, this, &TitleWindow::btn_bend_Click);

    about_text_ = new QLabel(box_);
    about_text_->setObjectName(QStringLiteral("box_about"));
    QFont small(shipped_font_family());
    small.setPointSize(8);
    about_text_->setFont(small);
    about_text_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    about_text_->setWordWrap(true);
    about_text_->setGeometry(twips_rect(60, 1800, 2895, 480));
    // Its text is set when the window is the About box: a wrapped label measures its text
    // at once, which would make the start-up title wait for the system's list of fonts.
    about_text_->hide();

    set_help_context(this, kHelpTitleWindow);
}

void TitleWindow::tile_background() {
    const QLabel* first = tiles_.constFirst();
    const int width = first->width();
    const int height = first->height();
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            const int index = 3 * r + c;
            if (index == 0 || index < tiles_.size()) continue;
            QLabel* tile =
                tile_copy(this, index, QPoint(first->x() + c * width, first->y() + r * height));
            tile->setProperty(kHelpContextProperty, kHelpTitleWindow);
            tile->show();
            tile->stackUnder(box_);
            tiles_.append(tile);
        }
    }
}

void TitleWindow::centre_on_screen() {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize outer = frameGeometry().size();
    const QPoint top_left(area.x() + (area.width() - outer.width()) / 2,
                          area.y() + (area.height() - outer.height()) / 2);
    if (pos() != top_left) move(top_left);
}

void TitleWindow::load(bool main_visible) {
    tile_background();
    centre_on_screen();
    about_ = main_visible;
    // Until the button shows, closing the window would leave the program running without
    // any window; the close box waits for the editor to be ready.
    loading_ = true;
    show();
    // The caption is set once the window is on its way to the screen: setting a label's text
    // measures it, which waits for the system's list of fonts, still being read on another
    // thread at start-up. The window's first paint, below, shows it.
    caption_->setText(QStringLiteral(" ") + program_title());
    QCoreApplication::processEvents();
    // The frame is known only once the window is on screen; centre the whole window.
    centre_on_screen();
    if (about_) {
        loading_ = false;
        about_text_->setText(
            QCoreApplication::translate("TitleWindow", "Version %1 on Qt %2\n%3")
                .arg(QString::fromLatin1(kProgramVersion), QString::fromLatin1(qVersion()),
                     QCoreApplication::translate("Licence", kProgramLicenceShort)));
        about_text_->show();
        btn_bend_->setToolTip(
            QCoreApplication::translate("TitleWindow", "Back to the tab page (Enter)"));
        btn_bend_->show();
    }
}

void TitleWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (btn_bend_->isVisible() && !event->isAutoRepeat()) {
                btn_bend_->animateClick();
                return;
            }
            break;
        default:
            break;
    }
    QWidget::keyPressEvent(event);
}

void TitleWindow::loading_finished() {
    QCoreApplication::processEvents();
    loading_ = false;
    btn_bend_->show();
}

void TitleWindow::btn_bend_Click() {
    if (loading_ || entered_) return;
    entered_ = true;
    if (enter_main) enter_main();
    close();
}

void TitleWindow::closeEvent(QCloseEvent* event) {
    if (loading_) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    if (entered_) return;
    entered_ = true;
    if (about_) {
        // Closing the About box by its close box returns to the page like the button.
        if (enter_main) enter_main();
    } else {
        // Closing the start-up title without entering ends the program: the editor's windows
        // are loaded but hidden, and nothing else would ever show them.
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    }
}

}  // namespace strumix
