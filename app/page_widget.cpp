#include "app/page_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "document/document.h"
#include "edit/tool_palette.h"
#include "page/glyphs.h"
#include "page/page_font.h"

namespace strumix {

namespace {

// The pixels a one-pixel outline of `rect` covers, as four thin rectangles.
QRegion outline(const QRect& rect) {
    if (rect.isEmpty()) return QRegion();
    return QRegion(rect) - QRegion(rect.adjusted(1, 1, -1, -1));
}

QRect line_span(const QLine& line) {
    return QRect(line.p1(), line.p2()).normalized().adjusted(-1, -1, 1, 1);
}

}  // namespace

CursorBoxLabel::CursorBoxLabel(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("location"));
    setFont(page_font());
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CursorBoxLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xFF, 0xFF, 0xC0));
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(font());
    painter.drawText(rect().adjusted(1, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter, text());
}

PageWidget::PageWidget(Document& document, ToolPalette& tools, QWidget* parent)
    : QWidget(parent), doc_(document), tools_(tools), location_(new CursorBoxLabel(this)) {
    setObjectName(QStringLiteral("Picture1"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);

    connect(&doc_, &Document::pageChanged, this, [this](const QRect& rect) { update(rect); });
    connect(&doc_, &Document::pageResized, this, &PageWidget::follow_page_size);
    connect(&tools_.location(), &CursorBox::changed, this, &PageWidget::follow_cursor_box);
    connect(&tools_, &ToolPalette::changed, this, &PageWidget::follow_tools);
    connect(&tools_, &ToolPalette::overlayChanged, this, &PageWidget::follow_overlay);
    follow_page_size();
    follow_cursor_box();
    follow_tools();
}

void PageWidget::follow_page_size() {
    const QSize size = doc_.Picture1().size();
    if (this->size() != size) resize(size);
}

void PageWidget::follow_cursor_box() {
    const CursorBox& box = tools_.location();
    location_->setGeometry(qRound(box.left() * kColumnPixels), qRound(box.top() * kRowPixels),
                           qRound(CursorBox::kWidth * kColumnPixels),
                           qRound(CursorBox::kHeight * kRowPixels));
    location_->setText(box.caption());
    location_->setVisible(box.visible());
}

void PageWidget::follow_tools() {
    setCursor(tools_.page_pointer() == PagePointer::CrossHair ? Qt::CrossCursor : Qt::ArrowCursor);
}

void PageWidget::follow_overlay() {
    const Overlay& overlay = tools_.overlay();
    QRegion dirty;
    if (box_visible_) dirty += outline(box_shown_);
    if (line_visible_) dirty += line_span(line_shown_);
    box_visible_ = overlay.box_visible;
    box_shown_ = overlay.box;
    line_visible_ = overlay.line1_visible;
    line_shown_ = overlay.line1;
    if (box_visible_) dirty += outline(box_shown_);
    if (line_visible_) dirty += line_span(line_shown_);
    if (!dirty.isEmpty()) update(dirty);
}

QPointF PageWidget::to_page_units(QPointF pixels) const {
    return QPointF(doc_.Picture1().from_pixels_x(pixels.x()),
                   doc_.Picture1().from_pixels_y(pixels.y()));
}

void PageWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage& image = doc_.Picture1().image();
    for (const QRect& part : event->region()) {
        painter.drawImage(part.topLeft(), image, part);
        const QRegion outside = QRegion(part) - QRegion(image.rect());
        for (const QRect& blank : outside) painter.fillRect(blank, Qt::white);
    }
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    if (box_visible_) painter.drawRect(box_shown_.adjusted(0, 0, -1, -1));
    if (line_visible_) painter.drawLine(line_shown_);
}

void PageWidget::mousePressEvent(QMouseEvent* event) {
    tools_.Picture1_MouseDown(event->button(), to_page_units(event->position()));
}

void PageWidget::mouseMoveEvent(QMouseEvent* event) {
    tools_.Picture1_MouseMove(to_page_units(event->position()));
}

void PageWidget::mouseReleaseEvent(QMouseEvent* event) {
    tools_.Picture1_MouseUp(to_page_units(event->position()));
}

void PageWidget::keyPressEvent(QKeyEvent* event) {
    if (!tools_.Picture1_KeyDown(event->key(), event->modifiers())) QWidget::keyPressEvent(event);
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
