#pragma once

#include <QString>

class QFile;

namespace strumix {

// What a path names, as far as reading a file from it goes.
enum class FileKind { Missing, Regular, Folder, Pipe, Socket, Device, Other };

// The kind of what `path` names, following links.
FileKind file_kind(const QString& path);
// "a folder", "a pipe", "a socket", "a device"; for anything else that is no regular file,
// "not a file".
QString file_kind_words(FileKind kind);

// Opens `path` for reading, only when it is a regular file: opened without waiting, so that a
// pipe with no writer or a device cannot hold the program, and looked at before a byte is read.
// When it is something else, `error` says what it is and that it is not `what` ("a picture",
// "Strumix's recovery data"); otherwise why it cannot be opened.
bool open_regular_file(const QString& path, QFile& file, const QString& what, QString* error);

}  // namespace strumix
