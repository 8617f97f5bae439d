#pragma once

#include <QString>

#include "edit/tool.h"

namespace strumix {

// The flat arc of a slur from `start_x` to `end_x` at height `start_y`, all in twips.
struct SlurArc {
    int half_span = 0;  // h: half the span, a half rounded to the even neighbour
    int mid_x = 0;      // `arc_mid_x`
    int center_y = 0;   // `arc_center_y`: the press height plus h
    double radius = 0;  // the horizontal semi-axis, h·√2, so the arc's ends lie on the span
    double height = 0;  // h scaled by the span table
    double aspect = 0;  // vertical semi-axis over horizontal
    double centre_y() const { return center_y - height / 1.6; }
};

SlurArc slur_arc(int start_x, int start_y, int end_x);

// The letter printed above a slur tool's arc (by its index, 0 hammer-on to 3 slide) and its
// left edge for an arc centred on `mid_x`.
QString slur_letter(int index);
int slur_letter_left(int index, int mid_x);

// The arc's angles: the upper quarter of the ellipse, with π as the program has always taken it.
inline constexpr double kSlurPi = 3.14159;
inline constexpr double kSlurArcStart = kSlurPi / 4;
inline constexpr double kSlurArcEnd = 3 * kSlurPi / 4;

// The slur tools, one per kind (hammer-on, pull-off, hammer and pull-off, slide; the codes of
// `current_tool`): a level drag shows the band `line1` and the release draws the arc and the
// letter the draw options ask for. A slide drawn as a line follows the pointer up and down.
class SlurTool : public Tool {
public:
    SlurTool(ToolContext context, int kind) : Tool(std::move(context)), kind_(kind) {}

    void begin() override;
    void press(QPointF at) override;
    void move(QPointF at) override;
    void release(QPointF at) override;
    void cancel() override;

private:
    void show_band();
    bool slide() const { return kind_ == slur_index(ToolId::Slide); }

    int kind_;
    Drag drag_;
};

}  // namespace strumix
