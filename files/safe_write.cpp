#include "files/safe_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <csignal>

namespace strumix {

namespace {

// The file a save lands in: what `path` names, through any links (a link to a page is kept a
// link, and the page it leads to is the one replaced).
QString final_file(const QString& path) {
    QFileInfo file(path);
    for (int depth = 0; depth < 128 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.isSymLink() ? path : file.filePath();
}

// A name for the new file beside `target`: its own name with a dot and six letters or digits
// more, as the recovery folder's clean-up knows them.
QByteArray new_file_name(const QString& target) {
    static constexpr char kSigns[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = QFile::encodeName(target) + '.';
    for (int i = 0; i < 6; ++i)
        name += kSigns[QRandomGenerator::global()->bounded(int(sizeof kSigns - 1))];
    return name;
}

}  // namespace

// Written by hand rather than with QSaveFile: its commit flushes the file to the disk a second
// time and ignores the result, so each save waited on the disk twice (0.1 ms and more) for the
// one flush whose failure is seen, below.
bool write_file_whole(const QString& path, const std::function<bool(QIODevice&)>& write,
                      QString* error) {
    const QString target = final_file(path);
    const QFileInfo existing(target);
    if (existing.isDir()) {
        *error = QCoreApplication::translate("SafeWrite", "Filename refers to a directory");
        return false;
    }
    if (existing.exists() && !existing.isWritable()) {
        *error = QCoreApplication::translate("SafeWrite", "Existing file %1 is not writable")
                     .arg(target);
        return false;
    }
    // Readable as the old file was; a new file as the user's files are (the mask applies).
    struct stat old_info = {};
    const bool replacing = ::stat(QFile::encodeName(target).constData(), &old_info) == 0;
    QByteArray name;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        name = new_file_name(target);
        fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                    replacing ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        *error = qt_error_string(errno);
        return false;
    }
    if (replacing) ::fchmod(fd, old_info.st_mode & 0777);
    // On any failure the new file goes, and the old one stays as it was.
    auto discard = [&](const QString& reason) {
        *error = reason;
        ::unlink(name.constData());
        return false;
    };
    auto fail = [&](const QString& reason) {
        ::close(fd);
        return discard(reason);
    };
    {
        // Unbuffered: each write reaches the system at once and its failure is seen here.
        QFile file;
        if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                       QFileDevice::DontCloseHandle))
            return fail(file.errorString());
        if (!write(file) || file.error() != QFileDevice::NoError) return fail(file.errorString());
    }
    // What the system took may still stand in its cache: only a flush to the disk knows that
    // there was room for it there.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) return fail(qt_error_string(errno));
    if (::close(fd) != 0) return discard(qt_error_string(errno));
    if (::rename(name.constData(), QFile::encodeName(target).constData()) != 0)
        return discard(qt_error_string(errno));
    sync_folder_of(target);
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
