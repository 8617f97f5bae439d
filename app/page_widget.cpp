#include "app/page_widget.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "edit/editor.h"
#include "edit/key_codes.h"
#include "page/glyphs.h"
#include "page/page_font.h"

namespace strumix {

LineBand::LineBand(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("line1"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void LineBand::set_line(const QLine& line) {
    line_ = line;
    const QRect span = QRect(line.p1(), line.p2()).normalized().adjusted(-1, -1, 1, 1);
    setGeometry(span);
    update();
}

void LineBand::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(line_.translated(-pos()));
}

PageWidget::PageWidget(Editor& editor, QWidget* parent)
    : QWidget(parent),
      editor_(editor),
      location_(new QLabel(this)),
      box_(new QFrame(this)),
      line1_(new LineBand(this)) {
    setObjectName(QStringLiteral("Picture1"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);

    location_->setObjectName(QStringLiteral("location"));
    location_->setFont(page_font());
    location_->setAutoFillBackground(true);
    location_->setFrameShape(QFrame::Box);
    location_->setLineWidth(1);
    location_->setContentsMargins(0, 0, 0, 0);
    location_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    location_->setIndent(0);
    location_->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette palette = location_->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xC0));
    palette.setColor(QPalette::WindowText, Qt::black);
    location_->setPalette(palette);

    box_->setObjectName(QStringLiteral("box"));
    box_->setFrameShape(QFrame::Box);
    box_->setLineWidth(1);
    box_->setAttribute(Qt::WA_TransparentForMouseEvents);
    box_->hide();

    connect(&editor_.Picture1, &PagePicture::changed, this,
            [this](const QRect& rect) { update(rect); });
    connect(&editor_.Picture1, &PagePicture::resized, this, [this] { sync(); });
}

void PageWidget::sync() {
    const QImage& image = editor_.Picture1.image();
    if (size() != image.size()) resize(image.size());
    const CursorBox& box = editor_.location;
    location_->setGeometry(qRound(box.left * kColumnPixels), qRound(box.top * kRowPixels),
                           qRound(CursorBox::kWidth * kColumnPixels),
                           qRound(CursorBox::kHeight * kRowPixels));
    location_->setText(box.caption);
    location_->setVisible(box.visible);
    box_->setGeometry(editor_.box_band);
    box_->setVisible(editor_.box_visible);
    if (editor_.line1_visible) line1_->set_line(editor_.line1_band);
    line1_->setVisible(editor_.line1_visible);
    setCursor(editor_.page_pointer == PagePointer::CrossHair ? Qt::CrossCursor : Qt::ArrowCursor);
}

QPointF PageWidget::to_page_units(QPointF pixels) const {
    return QPointF(editor_.Picture1.from_pixels_x(pixels.x()),
                   editor_.Picture1.from_pixels_y(pixels.y()));
}

int PageWidget::button_code(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return kLeftButton;
        case Qt::RightButton:
            return kRightButton;
        case Qt::MiddleButton:
            return kMiddleButton;
        default:
            return 0;
    }
}

int PageWidget::buttons_code(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton) code |= kLeftButton;
    if (buttons & Qt::RightButton) code |= kRightButton;
    if (buttons & Qt::MiddleButton) code |= kMiddleButton;
    return code;
}

void PageWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect rect = event->rect();
    painter.drawImage(rect.topLeft(), editor_.Picture1.image(), rect);
    const QRegion outside = QRegion(rect) - QRegion(editor_.Picture1.image().rect());
    for (const QRect& part : outside) painter.fillRect(part, Qt::white);
}

void PageWidget::mousePressEvent(QMouseEvent* event) {
    const QPointF p = to_page_units(event->position());
    editor_.Picture1_MouseDown(button_code(event->button()), shift_state(event->modifiers()), p.x(),
                               p.y());
}

void PageWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = to_page_units(event->position());
    editor_.Picture1_MouseMove(buttons_code(event->buttons()), shift_state(event->modifiers()),
                               p.x(), p.y());
}

void PageWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF p = to_page_units(event->position());
    editor_.Picture1_MouseUp(button_code(event->button()), shift_state(event->modifiers()), p.x(),
                             p.y());
}

void PageWidget::keyPressEvent(QKeyEvent* event) {
    const int code = virtual_key_code(event->key(), event->modifiers());
    if (code == 0 || code == kVkDelete) {
        QWidget::keyPressEvent(event);
        return;
    }
    editor_.Picture1_KeyDown(code, shift_state(event->modifiers()));
}

// Tab and Backtab are not for moving the focus off the page.
bool PageWidget::focusNextPrevChild(bool) { return false; }

ClipWidget::ClipWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picture_clip"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClipWidget::set_tiled(bool tiled) {
    if (tiled_ == tiled) return;
    tiled_ = tiled;
    update();
}

void ClipWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (!tiled_) return;
    // The tile is copied onto the white viewport, which shows it unchanged; the page lies on
    // top as a child. The last row and column of tiles may be cut at the edge.
    const QImage& tile = Glyphs::get().pic_tile;
    if (tile.isNull()) return;
    painter.drawTiledPixmap(rect(), QPixmap::fromImage(tile));
}

}  // namespace strumix
