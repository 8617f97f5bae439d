#pragma once

#include <QImage>
#include <QPageLayout>
#include <QString>
#include <optional>

#include "notes/performance.h"
#include "page/layout_model.h"

class QPagedPaintDevice;

namespace strumix {

// Paints the page onto a printer or a PDF, sheet after sheet as `plan_sheets` lays them out,
// each pixel a sharp square. `layout`: the page's layout when known, so that no staff is cut
// across two sheets. False when the device could not start a page.
bool paint_page_sheets(QPagedPaintDevice& device, const QImage& page,
                       const std::optional<LayoutModel>& layout);

// Portrait, unless the page fits the sheet's width at screen size only lying across it.
QPageLayout::Orientation orientation_for(const QImage& page, const QPageLayout& layout);

// Writes the page as PNG (the same pixels) or PDF (printed size, A4 or US Letter by the
// user's locale), or its notes, read from its pixels with `layout`, as text tab (.txt),
// MusicXML (.musicxml), a MIDI file (.mid) or their sound (.wav or .flac, with `music`'s tempo
// and instruments), chosen by the name's extension; the file is replaced only once it is whole.
// Any other extension is refused, with the reason in `error`. `notice`: for the notes, what
// could not be read and was left out (empty when nothing was).
bool export_page(const QString& path, const QImage& page, const std::optional<LayoutModel>& layout,
                 QString* error, QString* notice = nullptr, const MusicChoices& music = {});

// Whether an extension (lower case, without the dot) names one of the notes' formats.
bool is_notes_format(const QString& suffix);

// Whether export_page uses the page's layout for a file of this extension (lower case,
// without the dot): the notes are read with it and PDF sheets break between its staffs; a PNG
// is the picture as it is.
bool export_uses_layout(const QString& suffix);

}  // namespace strumix
