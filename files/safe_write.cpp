#include "files/safe_write.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <csignal>

namespace strumix {

bool write_file_whole(const QString& path, const std::function<bool(QIODevice&)>& write,
                      QString* error) {
    QSaveFile file(path);
    // Unbuffered: each write reaches the system at once and its failure is seen here. Through a
    // buffer, a write that fails only when the buffer is flushed at commit goes unnoticed, and
    // the commit puts a cut-short file in the old one's place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = file.errorString();
        return false;
    }
    auto fail = [&](const QString& reason) {
        *error = reason;
        file.cancelWriting();
        return false;
    };
    if (!write(file) || file.error() != QFileDevice::NoError) return fail(file.errorString());
    // What the system took may still stand in its cache: only a flush to the disk knows that
    // there was room for it there.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return fail(qt_error_string(errno));
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    sync_folder_of(path);
    return true;
}

bool write_file_whole(const QString& path, const QByteArray& bytes, QString* error) {
    return write_file_whole(
        path,
        [&bytes](QIODevice& device) { return write_all(device, bytes.constData(), bytes.size()); },
        error);
}

bool write_all(QIODevice& device, const char* bytes, qint64 size) {
    while (size > 0) {
        const qint64 written = device.write(bytes, size);
        if (written <= 0) return false;
        bytes += written;
        size -= written;
    }
    return true;
}

void sync_folder_of(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

void survive_file_size_limit() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace strumix
