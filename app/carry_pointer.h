#pragma once

#include <QObject>
#include <QPoint>

class QMainWindow;

namespace strumix {

class PageWidget;
class ToolPalette;

// The pointer while the tools carry a notation symbol: it shows that symbol (its hot spot at the
// centre), and every mouse event of the program comes here until the next release of a button,
// which it hands to the tools as a drop on the page, on the bare window, or elsewhere.
class CarryPointer : public QObject {
    Q_OBJECT

public:
    enum class Target { Page, Window, Elsewhere };

    CarryPointer(ToolPalette& tools, QMainWindow& window, PageWidget& page);
    ~CarryPointer() override;

    bool active() const { return symbol_ >= 0; }
    // What lies under a screen position, as the end of a carry sees it.
    Target target_at(QPoint global) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Starts, switches or ends the carry to match the tools' carried symbol.
    void follow_tools();
    void begin(int symbol);
    void end();
    void drop(QPoint global);
    // Ends the carry with nothing dropped, as a release over another control does.
    void abandon();
    bool in_window(QObject* receiver) const;

    ToolPalette& tools_;
    QMainWindow& window_;
    PageWidget& page_;
    int symbol_ = -1;
};

}  // namespace strumix
