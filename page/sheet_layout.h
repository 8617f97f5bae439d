#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

#include "page/layout_model.h"

namespace strumix {

// How a page goes onto paper: at a scale where a cell is at least as large as on a 96 dpi
// screen, fitted to the sheet's width, and cut into sheets between staffs, never through one.
struct SheetPlan {
    double scale = 1;     // device pixels per page pixel
    QList<QRect> slices;  // the page's parts, one a sheet, in printing order
};

// The heights at which the page may be cut across: the top of each staff's caption row after
// the first staff and the page's bottom, when `layout` is the page's layout; otherwise every
// row boundary (a picture of unknown layout is cut between text rows at least).
std::vector<int> page_cuts(QSize page, const std::optional<LayoutModel>& layout);

// `sheet`: the printable area in device pixels; `dpi`: the device's resolution.
SheetPlan plan_sheets(QSize page, const std::vector<int>& cuts, QSize sheet, double dpi);

}  // namespace strumix
