#include "app/page_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <utility>

#include "document/document.h"
#include "edit/tool_palette.h"
#include "flows/stored_settings.h"
#include "page/glyphs.h"
#include "page/page_font.h"

namespace strumix {

namespace {

// How often, at most, the bands are repainted as they move: once a frame at 60 Hz.
constexpr int kOverlayFrameMs = 16;

// The page pixels a one-pixel outline of `rect` covers, as four thin rectangles.
QRegion outline(const QRect& rect) {
    if (rect.isEmpty()) return QRegion();
    return QRegion(rect) - QRegion(rect.adjusted(1, 1, -1, -1));
}

QRect line_span(const QLine& line) {
    return QRect(line.p1(), line.p2()).normalized().adjusted(-1, -1, 1, 1);
}

QRegion scaled(const QRegion& region, int zoom) {
    if (zoom == 1) return region;
    QRegion out;
    for (const QRect& rect : region) out += QRect(rect.topLeft() * zoom, rect.size() * zoom);
    return out;
}

}  // namespace

CursorBoxLabel::CursorBoxLabel(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("location"));
    setFont(page_font());
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CursorBoxLabel::set_zoom(int zoom) {
    if (zoom_ == zoom) return;
    zoom_ = zoom;
    update();
}

void CursorBoxLabel::paintEvent(QPaintEvent*) {
    // Drawn at the page's size, then enlarged as the page is, so its text and border have the
    // page's look at every zoom.
    const QSize size(width() / zoom_, height() / zoom_);
    if (size.isEmpty()) return;
    QImage box(size, QImage::Format_RGB32);
    {
        QPainter painter(&box);
        painter.fillRect(box.rect(), QColor(0xFF, 0xFF, 0xC0));
        painter.setPen(QPen(Qt::black, 0));
        painter.drawRect(box.rect().adjusted(0, 0, -1, -1));
        painter.setFont(font());
        painter.drawText(box.rect().adjusted(1, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         text());
    }
    QPainter painter(this);
    painter.drawImage(QRect(QPoint(0, 0), size * zoom_), box);
}

PageWidget::PageWidget(Document& document, ToolPalette& tools, QWidget* parent)
    : QWidget(parent),
      doc_(document),
      tools_(tools),
      location_(new CursorBoxLabel(this)),
      play_marker_(new QWidget(this)) {
    // A see-through blue over the column being heard: the numbers stay readable under it.
    play_marker_->setObjectName(QStringLiteral("play_marker"));
    play_marker_->setAttribute(Qt::WA_TransparentForMouseEvents);
    play_marker_->setAutoFillBackground(true);
    QPalette marker = play_marker_->palette();
    marker.setColor(QPalette::Window, QColor(40, 110, 255, 70));
    play_marker_->setPalette(marker);
    play_marker_->hide();
    setObjectName(QStringLiteral("Picture1"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);

    connect(&doc_, &Document::pageChanged, this,
            [this](const QRect& rect) { update(to_widget(rect)); });
    connect(&doc_, &Document::pageResized, this, &PageWidget::follow_page_size);
    connect(&tools_.location(), &CursorBox::changed, this, &PageWidget::follow_cursor_box);
    connect(&tools_, &ToolPalette::changed, this, &PageWidget::follow_tools);
    connect(&tools_, &ToolPalette::overlayChanged, this, &PageWidget::follow_overlay);
    follow_page_size();
    follow_cursor_box();
    follow_tools();
}

void PageWidget::set_zoom(int zoom) {
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom_ == zoom) return;
    zoom_ = zoom;
    location_->set_zoom(zoom_);
    follow_page_size();
    follow_cursor_box();
    set_play_marker(play_marker_page_);
    update();
}

void PageWidget::follow_page_size() {
    const QSize size = doc_.Picture1().size() * zoom_;
    if (this->size() != size) resize(size);
}

void PageWidget::follow_cursor_box() {
    const CursorBox& box = tools_.location();
    location_->setGeometry(to_widget(
        QRect(qRound(box.left() * kColumnPixels), qRound(box.top() * kRowPixels),
              qRound(CursorBox::kWidth * kColumnPixels), qRound(CursorBox::kHeight * kRowPixels))));
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
    if (selection_visible_) dirty += selection_shown_;
    selection_visible_ = overlay.selection_visible;
    selection_shown_ = overlay.selection;
    if (selection_visible_) dirty += selection_shown_;
    box_visible_ = overlay.box_visible;
    box_shown_ = overlay.box;
    line_visible_ = overlay.line1_visible;
    line_shown_ = overlay.line1;
    if (box_visible_) dirty += outline(box_shown_);
    if (line_visible_) dirty += line_span(line_shown_);
    if (dirty.isEmpty()) return;
    overlay_dirty_ += scaled(dirty, zoom_);
    // A pointer reports up to a thousand times a second; the screen shows sixty frames.
    if (!overlay_frame_.isActive()) overlay_frame_.start(kOverlayFrameMs, Qt::PreciseTimer, this);
}

void PageWidget::timerEvent(QTimerEvent* event) {
    if (event->timerId() != overlay_frame_.timerId()) return QWidget::timerEvent(event);
    overlay_frame_.stop();
    update(overlay_dirty_);
    overlay_dirty_ = QRegion();
}

QPointF PageWidget::to_page_pixels(QPointF widget) const {
    // Every widget pixel of one enlarged page pixel stands for that page pixel.
    return QPointF(std::floor(widget.x() / zoom_), std::floor(widget.y() / zoom_));
}

QRect PageWidget::to_widget(const QRect& page_rect) const {
    return QRect(page_rect.topLeft() * zoom_, page_rect.size() * zoom_);
}

void PageWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Each page pixel is a sharp square: the image is enlarged without smoothing.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QImage& image = doc_.Picture1().image();
    // Each part is drawn clipped to itself: under the paint region's many-rectangle clip the
    // raster engine fills row by row, and hands a tall thin part (a band's edge) to its thread
    // pool, which costs more than the copy; a one-rectangle clip copies the rows straight.
    for (const QRect& part : event->region()) {
        painter.setClipRect(part);
        // The page pixels the part touches, whole, drawn at their place on the widget.
        const QRect source = QRect(QPoint(part.left() / zoom_, part.top() / zoom_),
                                   QPoint(part.right() / zoom_, part.bottom() / zoom_)) &
                             image.rect();
        if (!source.isEmpty()) painter.drawImage(to_widget(source), image, source);
        const QRegion outside = QRegion(part) - QRegion(to_widget(image.rect()));
        for (const QRect& blank : outside) painter.fillRect(blank, Qt::white);
    }
    // The chosen cells, tinted over the page and outlined, as the cursor box is shown over it.
    if (selection_visible_) {
        painter.setClipRegion(event->region());
        const QRect shown = to_widget(selection_shown_);
        painter.fillRect(shown, QColor(51, 102, 204, 60));
        painter.setPen(QPen(QColor(51, 102, 204), 1, Qt::DashLine));
        painter.drawRect(shown.adjusted(0, 0, -1, -1));
    }
    // The bands cover the same page pixels as at actual size, enlarged with the page.
    if (box_visible_) {
        for (const QRect& edge : scaled(outline(box_shown_), zoom_)) {
            painter.setClipRect(edge);
            painter.fillRect(edge, Qt::black);
        }
    }
    painter.setClipping(false);
    if (line_visible_) {
        if (zoom_ > 1) {
            // A page-pixel-wide pen through the middle of the enlarged pixels.
            painter.scale(zoom_, zoom_);
            painter.translate(0.5, 0.5);
            painter.setPen(QPen(Qt::black, 1));
        } else {
            painter.setPen(QPen(Qt::black, 0));
        }
        painter.drawLine(line_shown_);
    }
}

void PageWidget::set_play_marker(const QRect& page_pixels) {
    play_marker_page_ = page_pixels;
    if (page_pixels.isNull()) {
        play_marker_->hide();
        return;
    }
    // A column a little wider than its cells, from above the first string to below the last.
    play_marker_->setGeometry(to_widget(page_pixels.adjusted(-3, -2, 3, 2)));
    play_marker_->show();
}

void PageWidget::mousePressEvent(QMouseEvent* event) {
    emit pressed();
    // Shift+drag with number entry chooses cells, as Shift with the arrows does.
    selecting_ = event->button() == Qt::LeftButton && event->modifiers() & Qt::ShiftModifier &&
                 tools_.choose_cells(to_page_pixels(event->position()), true);
    if (selecting_) return;
    tools_.Picture1_MouseDown(event->button(), to_page_pixels(event->position()));
}

void PageWidget::mouseMoveEvent(QMouseEvent* event) {
    if (selecting_) {
        tools_.choose_cells(to_page_pixels(event->position()), false);
        return;
    }
    tools_.Picture1_MouseMove(to_page_pixels(event->position()));
}

void PageWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (std::exchange(selecting_, false)) return;
    tools_.Picture1_MouseUp(to_page_pixels(event->position()));
}

void PageWidget::keyPressEvent(QKeyEvent* event) {
    if (!tools_.Picture1_KeyDown(event->key(), event->modifiers())) QWidget::keyPressEvent(event);
}

void PageWidget::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        // A touchpad says how far in pixels; a wheel's notch moves three text rows, as a
        // desktop's wheel does.
        QPoint pixels = -event->pixelDelta();
        if (pixels.isNull())
            pixels = -event->angleDelta() * (3 * kRowPixels) / QWheelEvent::DefaultDeltasPerStep;
        // Shift turns an up-and-down wheel across.
        if (event->modifiers() & Qt::ShiftModifier && pixels.x() == 0)
            pixels = QPoint(pixels.y(), 0);
        if (!pixels.isNull()) emit scrollWheel(pixels);
        event->accept();
        return;
    }
    wheel_angle_ += event->angleDelta().y();
    const int steps = wheel_angle_ / QWheelEvent::DefaultDeltasPerStep;
    wheel_angle_ -= steps * QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0) emit zoomWheel(steps);
    event->accept();
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
