#pragma once

#include <QLabel>
#include <QLine>
#include <QRect>
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

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The tab page `Picture1` on screen: shows the page's drawn image, the cursor box and the rubber
// bands over it, repaints just what the document says changed, and hands mouse and key events
// to the tools with positions in the page's current unit.
class PageWidget : public QWidget {
    Q_OBJECT

public:
    PageWidget(Document& document, ToolPalette& tools, QWidget* parent);

    QLabel* location() const { return location_; }
    // A widget position converted to the page's current unit.
    QPointF to_page_units(QPointF pixels) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void follow_page_size();
    void follow_cursor_box();
    void follow_tools();
    // Repaints what the bands covered before and cover now: their edges, not what lies inside.
    void follow_overlay();

    Document& doc_;
    ToolPalette& tools_;
    CursorBoxLabel* location_;
    QRect box_shown_;
    QLine line_shown_;
    bool box_visible_ = false;
    bool line_visible_ = false;
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
