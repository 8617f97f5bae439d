#include "files/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <cerrno>

namespace strumix {

namespace {

FileKind kind_of_mode(mode_t mode) {
    if (S_ISREG(mode)) return FileKind::Regular;
    if (S_ISDIR(mode)) return FileKind::Folder;
    if (S_ISFIFO(mode)) return FileKind::Pipe;
    if (S_ISSOCK(mode)) return FileKind::Socket;
    if (S_ISCHR(mode) || S_ISBLK(mode)) return FileKind::Device;
    return FileKind::Other;
}

QString not_what(const QString& path, FileKind kind, const QString& what) {
    return QCoreApplication::translate("RegularFile", "\"%1\" is %2, not %3.")
        .arg(path, file_kind_words(kind), what);
}

}  // namespace

FileKind file_kind(const QString& path) {
    struct stat info = {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return FileKind::Missing;
    return kind_of_mode(info.st_mode);
}

QString file_kind_words(FileKind kind) {
    switch (kind) {
        case FileKind::Folder:
            return QCoreApplication::translate("RegularFile", "a folder");
        case FileKind::Pipe:
            return QCoreApplication::translate("RegularFile", "a pipe");
        case FileKind::Socket:
            return QCoreApplication::translate("RegularFile", "a socket");
        case FileKind::Device:
            return QCoreApplication::translate("RegularFile", "a device");
        case FileKind::Missing:
        case FileKind::Regular:
        case FileKind::Other:
            break;
    }
    return QCoreApplication::translate("RegularFile", "not a file");
}

bool open_regular_file(const QString& path, QFile& file, const QString& what, QString* error) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int reason = errno;
        const FileKind kind = file_kind(path);
        if (kind != FileKind::Missing && kind != FileKind::Regular) {
            *error = not_what(path, kind, what);
        } else {
            *error = QCoreApplication::translate("RegularFile", "Cannot open \"%1\": %2")
                         .arg(path, qt_error_string(reason));
        }
        return false;
    }
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        *error = not_what(path, kind_of_mode(info.st_mode), what);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *error = QCoreApplication::translate("RegularFile", "Cannot open \"%1\": %2")
                     .arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace strumix
