#include "widgets/panels.h"

#include <QLabel>
#include <QPixmap>

#include "page/glyphs.h"
#include "page/program_facts.h"

namespace strumix {

void fill_background(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

void grey_panel(QFrame* frame, QFrame::Shadow shadow, int line_width) {
    frame->setFrameStyle(QFrame::Panel | shadow);
    frame->setLineWidth(line_width);
    fill_background(frame, kPanelGrey);
}

QLabel* tile_copy(QWidget* parent, int index, QPoint top_left) {
    const QImage& tile = Glyphs::get().pic_tile;
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("pic_tile_%1").arg(index));
    if (!tile.isNull()) label->setPixmap(QPixmap::fromImage(tile));
    label->setGeometry(QRect(top_left, tile.isNull() ? QSize(96, 96) : tile.size()));
    label->lower();
    return label;
}

void set_help_context(QWidget* window, int context) {
    window->setProperty(kHelpContextProperty, context);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        child->setProperty(kHelpContextProperty, context);
    }
}

}  // namespace strumix
