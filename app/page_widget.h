#pragma once

#include <QBasicTimer>
#include <QLabel>
#include <QLine>
#include <QRect>
#include <QRegion>
#include <QWidget>

namespace strumix {

class Document;
class ToolPalette;

// The cursor box `location` on screen: its entry on the window background colour inside a
// one-pixel single-line border.
class CursorBoxLabel : public QLabel {
    Q_OBJECT

public:
    explicit CursorBoxLabel(QWidget* parent);
    // The box is drawn at the page's own size and shown enlarged with it.
    void set_zoom(int zoom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int zoom_ = 1;
};

// The tab page `Picture1` on screen: shows the page's drawn image, the cursor box and the rubber
// bands over it at a whole-step zoom (each page pixel a sharp square), repaints just what the
// document says changed, and hands mouse and key events to the tools with positions in page
// pixels, whatever the zoom.
class PageWidget : public QWidget {
    Q_OBJECT

public:
    PageWidget(Document& document, ToolPalette& tools, QWidget* parent);

    QLabel* location() const { return location_; }
    int zoom() const { return zoom_; }
    // Clamped to 1 to 8; the widget takes the page's size times the zoom.
    void set_zoom(int zoom);
    // The page pixel under a widget position: the same pixel at every zoom.
    QPointF to_page_pixels(QPointF widget) const;
    // A rectangle of page pixels as it lies on the widget.
    QRect to_widget(const QRect& page_rect) const;
    // The note column being heard, marked over the page (never in it); none when empty.
    void set_play_marker(const QRect& page_pixels);

signals:
    // A mouse button pressed on the page, before the tools hear of it.
    void pressed();
    // Ctrl and the mouse wheel: a positive number of steps zooms in.
    void zoomWheel(int steps);
    // The wheel or a touchpad without Ctrl: the view to move by this many screen pixels (right
    // and down positive), the same distance at every zoom.
    void scrollWheel(QPoint pixels);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void follow_page_size();
    void follow_cursor_box();
    void follow_tools();
    // Repaints what the bands covered before and cover now: their edges, not what lies inside,
    // at most once a frame however fast the pointer reports.
    void follow_overlay();

    Document& doc_;
    ToolPalette& tools_;
    CursorBoxLabel* location_;
    QWidget* play_marker_;
    QRect play_marker_page_;
    QRect box_shown_;
    QLine line_shown_;
    bool box_visible_ = false;
    QRect selection_shown_;
    bool selection_visible_ = false;
    bool selecting_ = false;  // a Shift+drag choosing cells
    bool line_visible_ = false;
    int zoom_ = 1;
    int wheel_angle_ = 0;    // a touchpad's small wheel steps, gathered into whole notches
    QRegion overlay_dirty_;  // band edges waiting for the next frame
    QBasicTimer overlay_frame_;
};

// The viewport `picture_clip`: clips the page and shows the tiled background around it when
// the whole page is visible.
class ClipWidget : public QWidget {
    Q_OBJECT

public:
    explicit ClipWidget(QWidget* parent);
    void set_tiled(bool tiled);
    bool tiled() const { return tiled_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool tiled_ = false;
};

}  // namespace strumix
