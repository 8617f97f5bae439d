#pragma once

#include <sys/resource.h>

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include "files/safe_write.h"

// A disk that fills up after `bytes` of any one file, for as long as the object lives: the
// file-size limit (ulimit -f) makes every write past it fail as a full disk does, with "File
// too large", and the program's own start-up lets it carry on past the signal.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        strumix::survive_file_size_limit();
        getrlimit(RLIMIT_FSIZE, &old_);
        const rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
};

// The command that runs `script` with a small file system of `kib` KiB mounted at `folder`
// (a tmpfs in a mount namespace of its own, which needs no root where the system lets a user
// make namespaces): a disk that is really full, "No space left on device". Empty when the
// system offers no such namespace.
inline QStringList with_small_disk(const QString& folder, int kib, const QString& script) {
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty()) return {};
    return {
        unshare, QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"),
        QStringLiteral("mount -t tmpfs -o size=%1k tmpfs '%2' && %3").arg(kib).arg(folder, script)};
}

// Whether the system lets this process make a small disk of its own.
inline bool small_disks_possible() {
    const QStringList probe = with_small_disk(QDir::tempPath(), 64, QStringLiteral("true"));
    if (probe.isEmpty()) return false;
    return QProcess::execute(probe.front(), probe.mid(1)) == 0;
}
