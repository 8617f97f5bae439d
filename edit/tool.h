#pragma once

#include <QLine>
#include <QPointF>
#include <QRect>
#include <array>
#include <functional>

namespace strumix {

class Document;

// Codes of `current_tool`.
inline constexpr int kToolNumbers = 99;
inline constexpr int kToolErase = 12;
inline constexpr int kToolHammer = 0;
inline constexpr int kToolPullOff = 1;
inline constexpr int kToolHammerPull = 2;
inline constexpr int kToolSlide = 3;

// The rubber bands over the page, in page pixels: shown while the mouse moves, never drawn into
// the page itself.
struct Overlay {
    QRect box;  // the erase rectangle `box`
    bool box_visible = false;
    QLine line1;  // the slur line `line1`
    bool line1_visible = false;
};

// The slide tool's draw options "&Arc", "&Line" and "&Letter".
using DrawOptions = std::array<bool, 3>;

// A drag on the page, in whole units of the page's scale at the press (`mouse_is_down`,
// `drag_start_x` ... `drag_end_y`).
struct Drag {
    bool mouse_is_down = false;
    int start_x = 0;
    int start_y = 0;
    int end_x = 0;
    int end_y = 0;
};

// What a tool may touch: the document's page, the rubber bands and the draw options.
struct ToolContext {
    Document& doc;
    Overlay& overlay;
    const DrawOptions& opt;
    // Tells the page view that the rubber bands changed.
    std::function<void()> overlay_changed;
};

// A tool that works the page with the mouse: press, drag and release of a button other than
// the right one (which always returns to number entry). Positions are in the page's current
// unit, which the tool chose when it was selected.
class Tool {
public:
    virtual ~Tool() = default;
    virtual void press(QPointF at) = 0;
    virtual void move(QPointF at) = 0;
    virtual void release(QPointF at) = 0;
    // The drag ends with nothing drawn and no band left standing.
    virtual void cancel() = 0;
};

}  // namespace strumix
