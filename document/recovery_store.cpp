#include "document/recovery_store.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <atomic>

#include "files/page_file.h"
#include "files/regular_file.h"
#include "files/safe_write.h"
#include "page/layout_finder.h"

namespace strumix {

namespace {

constexpr char kOwner[] = "owner";
constexpr char kPage[] = "page.bmp";
constexpr char kInfo[] = "page.ini";
constexpr char kOpen[] = "open";

// The names are told apart by hand: a pattern would bring the expression engine and its
// compiler into every start-up for two names (half a megabyte resident).
bool is_digit(QChar c) { return c >= u'0' && c <= u'9'; }
bool is_letter_or_digit(QChar c) {
    return is_digit(c) || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The names a running program gives its folder ("pid-milliseconds-count"), and the files it
// writes there (with the names of safe writes cut short on their way to them: a dot and six
// letters or digits more).
bool is_program_folder(const QString& name) {
    const QList<QStringView> parts = QStringView(name).split(u'-');
    return parts.size() == 3 && std::all_of(parts.begin(), parts.end(), [](QStringView part) {
               return !part.isEmpty() && std::all_of(part.begin(), part.end(), is_digit);
           });
}
bool is_program_file(const QString& name) {
    QStringView base(name);
    const QStringView suffix = base.size() > 7 ? base.last(7) : QStringView();
    if (!suffix.isEmpty() && suffix.front() == u'.' &&
        std::all_of(suffix.begin() + 1, suffix.end(), is_letter_or_digit))
        base.chop(7);
    for (const char* own : {kOwner, kPage, kInfo, kOpen})
        if (base == QLatin1String(own)) return true;
    return false;
}

// A descriptor of the folder at `path`, only when it is a folder and not a link to one.
int open_folder(const QString& path) {
    return ::open(QFile::encodeName(path).constData(),
                  O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// The names of the entries in the open folder `fd` that are of `type` (as lstat says: a link
// is a link, whatever it points at), with the descriptor left open.
QStringList entries(int fd, mode_t type) {
    QStringList names;
    const int copy = ::dup(fd);
    if (copy < 0) return names;
    DIR* dir = ::fdopendir(copy);
    if (!dir) {
        ::close(copy);
        return names;
    }
    // A copy of a descriptor shares its place in the folder with the original: start over.
    ::rewinddir(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..") continue;
        struct stat info = {};
        if (::fstatat(fd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if ((info.st_mode & S_IFMT) == type) names << QFile::decodeName(name);
    }
    ::closedir(dir);
    return names;
}

// The program folders directly in `root`.
QStringList program_folders(const QString& root) {
    const int fd = open_folder(root);
    if (fd < 0) return {};
    QStringList folders;
    for (const QString& name : entries(fd, S_IFDIR))
        if (is_program_folder(name)) folders << QDir(root).filePath(name);
    ::close(fd);
    return folders;
}

// Opens the folder's owner file and takes its lock without waiting: the descriptor, or -1 when
// another process holds it (or the folder cannot be used).
int lock_owner(const QString& folder) {
    const int dir = open_folder(folder);
    if (dir < 0) return -1;
    const int fd = ::openat(dir, kOwner, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    ::close(dir);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Removes the files the program writes in `folder` (never following a link), then the folder
// itself when nothing else is left in it.
void remove_program_files(const QString& folder, bool and_folder) {
    const int fd = open_folder(folder);
    if (fd < 0) return;
    for (mode_t type : {S_IFREG, S_IFLNK}) {
        for (const QString& name : entries(fd, type)) {
            if (!and_folder && name == QLatin1String(kOwner)) continue;
            if (is_program_file(name)) ::unlinkat(fd, QFile::encodeName(name).constData(), 0);
        }
    }
    ::close(fd);
    if (and_folder) ::rmdir(QFile::encodeName(folder).constData());
}

// Whether `name` in `folder` is a regular file itself, not a link to one.
bool regular_file_in(const QString& folder, const char* name) {
    struct stat info = {};
    return ::lstat(QFile::encodeName(QDir(folder).filePath(QString::fromLatin1(name))).constData(),
                   &info) == 0 &&
           S_ISREG(info.st_mode);
}

QByteArray read_info(const QString& folder) {
    QFile file;
    QString error;
    if (!open_regular_file(QDir(folder).filePath(QString::fromLatin1(kInfo)), file,
                           QCoreApplication::translate("RecoveryStore", "Strumix's recovery data"),
                           &error))
        return {};
    return file.read(1 << 20);
}

}  // namespace

QString RecoveryStore::default_root() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

RecoveryStore::RecoveryStore(const QString& root) : root_(root.isEmpty() ? default_root() : root) {
    // Stores made by one program within the same millisecond still get folders of their own.
    static std::atomic<int> made{0};
    folder_ = QDir(root_).filePath(QStringLiteral("%1-%2-%3")
                                       .arg(QCoreApplication::applicationPid())
                                       .arg(QDateTime::currentMSecsSinceEpoch())
                                       .arg(made++));
    if (!QDir().mkpath(folder_)) {
        problem_ = QCoreApplication::translate("RecoveryStore", "the folder \"%1\" cannot be made.")
                       .arg(folder_);
        return;
    }
    lock_fd_ = lock_owner(folder_);
    if (lock_fd_ < 0)
        problem_ = QCoreApplication::translate("RecoveryStore", "the folder \"%1\" cannot be used.")
                       .arg(folder_);
}

RecoveryStore::~RecoveryStore() {
    for (const auto& [folder, fd] : claimed_) ::close(fd);
    if (lock_fd_ < 0) return;
    // Data left here is a page the program could not save: it stays for the next start.
    if (!has_data()) remove_program_files(folder_, true);
    ::close(lock_fd_);
}

bool RecoveryStore::write(const RecoveryData& data, QString* error) const {
    if (!usable()) {
        *error = problem_;
        return false;
    }
    const QDir dir(folder_);
    if (!write_page_file(dir.filePath(QString::fromLatin1(kPage)), data.page, error)) return false;
    QString reason;
    const QString info = dir.filePath(QString::fromLatin1(kInfo));
    if (!write_file_whole(info, recovery_info_text(data), &reason)) {
        *error = QCoreApplication::translate("RecoveryStore", "Cannot save \"%1\": %2")
                     .arg(info, reason);
        return false;
    }
    return true;
}

void RecoveryStore::discard() const {
    if (usable()) remove_program_files(folder_, false);
}

bool RecoveryStore::has_data() const {
    const int fd = open_folder(folder_);
    if (fd < 0) return false;
    struct stat info = {};
    const bool any = ::fstatat(fd, kPage, &info, AT_SYMLINK_NOFOLLOW) == 0 ||
                     ::fstatat(fd, kInfo, &info, AT_SYMLINK_NOFOLLOW) == 0;
    ::close(fd);
    return any;
}

void RecoveryStore::set_open_file(const QString& path) const {
    QString error;
    if (usable())
        write_file_whole(QDir(folder_).filePath(QString::fromLatin1(kOpen)), path.toUtf8(), &error);
}

QStringList RecoveryStore::claim_orphans() {
    QList<std::pair<QDateTime, QString>> found;
    for (const QString& folder : program_folders(root_)) {
        if (folder == folder_) continue;
        const int fd = lock_owner(folder);
        if (fd < 0) continue;  // its program is running
        claimed_.append({folder, fd});
        if (!regular_file_in(folder, kPage)) {
            remove(folder);  // nothing was left unsaved there
            continue;
        }
        found.append(
            {QFileInfo(QDir(folder).filePath(QString::fromLatin1(kPage))).lastModified(), folder});
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    QStringList folders_found;
    for (const auto& [when, folder] : found) folders_found << folder;
    return folders_found;
}

std::optional<RecoveryData> RecoveryStore::read(const QString& folder) {
    if (!regular_file_in(folder, kPage)) return std::nullopt;
    QImage page;
    QString error;
    if (!read_page_file(QDir(folder).filePath(QString::fromLatin1(kPage)), PageLimits(), &page,
                        &error))
        return std::nullopt;
    std::optional<RecoveryData> data = parse_recovery_info(read_info(folder));
    if (!data) {
        // The page is whole but what was kept beside it is not (a disk that filled up between
        // the two): the page is still offered, laid out as its pixels say.
        data.emplace();
        data->file_name = QStringLiteral("Untitled");
        if (const std::optional<LayoutModel> found = find_layout(page)) data->model = *found;
    }
    data->page = std::move(page);
    return data;
}

void RecoveryStore::remove(const QString& folder) {
    // The lock is held until the folder is gone, so that no other start claims it meanwhile.
    remove_program_files(folder, true);
    release(folder);
}

void RecoveryStore::release(const QString& folder) {
    for (qsizetype i = 0; i < claimed_.size(); ++i) {
        if (claimed_[i].first != folder) continue;
        ::close(claimed_[i].second);
        claimed_.removeAt(i);
        return;
    }
}

bool RecoveryStore::open_elsewhere(const QString& path) const {
    if (path.isEmpty()) return false;
    for (const QString& folder : program_folders(root_)) {
        if (folder == folder_) continue;
        QFile open;
        QString error;
        if (!open_regular_file(QDir(folder).filePath(QString::fromLatin1(kOpen)), open, QString(),
                               &error) ||
            QString::fromUtf8(open.read(1 << 16)) != path)
            continue;
        const int fd = lock_owner(folder);
        if (fd < 0) return true;  // its program holds the lock: it is running
        ::close(fd);
    }
    return false;
}

}  // namespace strumix
