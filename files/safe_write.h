#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

namespace strumix {

// Writes a whole file, or nothing: the bytes go into a new file beside `path` (beside the file
// it leads to, when `path` is a link, which stays a link), every write
// and the flush to the disk are checked, and only then does the new file take the old one's
// place and the folder is flushed. On any failure (a full disk, a file-size limit, a folder
// that says no) the old file stays exactly as it was and `error` holds the system's reason.
// `write` puts the content into the device it is given and says whether it could.
bool write_file_whole(const QString& path, const std::function<bool(QIODevice&)>& write,
                      QString* error);
bool write_file_whole(const QString& path, const QByteArray& bytes, QString* error);

// Writes all `size` bytes, trying again for the rest of a write cut short (which then fails
// with the system's own reason).
bool write_all(QIODevice& device, const char* bytes, qint64 size);

// Flushes the folder that holds `path`, so that a file just renamed into it stays there when
// the power fails right after.
void sync_folder_of(const QString& path);

// A file-size limit (ulimit -f) ends a program that writes past it, unless it ignores the
// signal the system sends: then the write fails with "File too large", and the write says so
// as any failed write does. Called once at start-up.
void survive_file_size_limit();

}  // namespace strumix
