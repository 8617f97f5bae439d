#include "files/file_stamp.h"

#include <sys/stat.h>

#include <QFile>

namespace strumix {

FileStamp FileStamp::of(const QString& path) {
    struct stat info = {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0) return {};
    return FileStamp{true, quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
                     qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

}  // namespace strumix
