#pragma once

#include <QWidget>

class QFrame;
class QLabel;

namespace strumix {

class Editor;

// The slur tools' rubber-band line `line1`: a thin child of the page covering the line's span.
class LineBand : public QWidget {
    Q_OBJECT

public:
    explicit LineBand(QWidget* parent);
    void set_line(const QLine& line);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine line_;
};

// The tab page `Picture1` on screen: shows the page's drawn image, the cursor box `location`
// and the rubber bands over it, and turns mouse and key events into calls on the editor with
// positions in the page's current unit.
class PageWidget : public QWidget {
    Q_OBJECT

public:
    PageWidget(Editor& editor, QWidget* parent);

    // Brings size, cursor box, bands and pointer in line with the editor.
    void sync();
    QLabel* location() const { return location_; }
    // A widget position converted to the page's current unit.
    QPointF to_page_units(QPointF pixels) const;
    static int button_code(Qt::MouseButton button);
    static int buttons_code(Qt::MouseButtons buttons);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    Editor& editor_;
    QLabel* location_;
    QFrame* box_;
    LineBand* line1_;
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
