#pragma once

#include <QString>
#include <QtGlobal>

namespace strumix {

// What a file on disk was at one moment: which file (device and inode), how long, and when it
// was last written. Two stamps of one path differ when another program wrote the file, or put
// another file in its place, in between.
struct FileStamp {
    bool known = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modified_ns = 0;
    bool operator==(const FileStamp&) const = default;

    // The file at `path` now; not known when there is none.
    static FileStamp of(const QString& path);
    // Known, but matching no file: whatever is at the path counts as written since.
    static FileStamp matching_nothing() { return FileStamp{true, 0, 0, -1, 0}; }
};

}  // namespace strumix
