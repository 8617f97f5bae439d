#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "page/layout_model.h"

namespace strumix {

// A text tab drawn on pages: each page's picture and layout, and what could not be taken in.
struct ImportedTab {
    struct Page {
        QImage picture;
        LayoutModel layout;
    };
    std::vector<Page> pages;
    // One line for each thing left out: "line 12, column 7: ?", or what did not fit.
    QStringList left_out;
};

// Reads a text tab and draws it on pages of layouts fitted to it, through the program's own
// drawing. False, with the reason, when the text holds no tab or a page cannot be created.
bool import_text_tab(const QString& text, ImportedTab* imported, QString* error);

// Reads the text of a text tab file: UTF-8 (Latin-1 where it is not), at most 4 MiB, only
// from a regular file.
bool read_text_file(const QString& path, QString* text, QString* error);

// Whether a file is opened as a text tab rather than a picture: by its extension.
bool is_text_tab_file(const QString& path);

// The names a tab of several pages is saved under beside `first`: NAME.tab, NAME-2.tab, ...
// (with `first`'s own extension, .tab where it has none).
QStringList page_file_names(const QString& first, int pages);

// The message after an import: what was left out, and for several pages the offer to save
// them all under `names`.
QString import_report(const ImportedTab& imported, const QStringList& names);

}  // namespace strumix
