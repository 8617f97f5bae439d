#pragma once

#include <QString>

namespace strumix {

class Editor;

// The program's name and the document's, as the main window's caption shows them after a
// file has been opened or saved: "Strumix 95 v1.0a [song.tab]".
QString document_caption(const QString& file_name);

// Whether the page has a file the user chose: a name of their own and a full path. After a
// cancelled "&New..." the names are "Untitled.bmp", which names no file of theirs.
bool has_chosen_file(const Editor& editor);

// Loads the picture file at `path` as the page's persistent picture, at the picture's own size.
// On failure the page is left as it was and `error` says why.
bool load_page(Editor& editor, const QString& path, QString* error);

// Writes the page's drawn image to `path` as a bitmap and commits it. On failure the file on
// disk and the page are left as they were.
bool save_page(Editor& editor, const QString& path, QString* error);

// A failed read or write, shown the way every file failure is.
void report_file_error(Editor& editor, const QString& error);

}  // namespace strumix
