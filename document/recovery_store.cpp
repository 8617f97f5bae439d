#include "document/recovery_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <atomic>

#include "document/page_file.h"
#include "page/page_picture.h"

namespace strumix {

namespace {

constexpr char kOwner[] = "owner";
constexpr char kPage[] = "page.bmp";
constexpr char kInfo[] = "page.ini";
constexpr char kOpen[] = "open";

// Opens the folder's owner file and takes its lock without waiting: the descriptor, or -1 when
// another process holds it (or the folder cannot be used).
int lock_owner(const QString& folder) {
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(QString::fromLatin1(kOwner)));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool write_text(const QString& path, const QByteArray& text, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    sync_folder_of(path);
    return true;
}

QByteArray encode(const QString& value) { return QUrl::toPercentEncoding(value); }

QByteArray info_text(const RecoveryData& data) {
    QByteArray text;
    auto put = [&text](const QByteArray& key, const QString& value) {
        text += key + '=' + encode(value) + '\n';
    };
    const LayoutModel& m = data.model;
    put("file_name", data.file_name);
    put("file_path", data.file_path);
    put("num_lines", QString::number(m.num_lines));
    put("measures_across", QString::number(m.measures_across));
    put("notes_per_measure", QString::number(m.notes_per_measure));
    for (int i = 0; i < kMaxStaffs; ++i) {
        const LineProps& staff = m.line_props[i];
        const QByteArray n = QByteArray::number(i);
        put("caption" + n, staff.caption);
        put("strings" + n, QString::number(staff.num_strings));
        for (int s = 0; s < kMaxStrings; ++s)
            put("tuning" + n + '_' + QByteArray::number(s), staff.tuning[s]);
    }
    return text;
}

// The layout and names of `text`; nothing when a value is missing or out of its range.
std::optional<RecoveryData> parse_info(const QByteArray& text) {
    QHash<QByteArray, QString> values;
    for (const QByteArray& line : text.split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0) values.insert(line.left(eq), QUrl::fromPercentEncoding(line.mid(eq + 1)));
    }
    bool ok = true;
    auto number = [&](const QByteArray& key, int low, int high) {
        bool read = false;
        const int value = values.value(key).toInt(&read);
        if (!read || value < low || value > high) ok = false;
        return std::clamp(value, low, high);
    };
    RecoveryData data;
    data.file_name = values.value("file_name");
    data.file_path = values.value("file_path");
    LayoutModel& m = data.model;
    m.num_lines = number("num_lines", 1, kMaxStaffs);
    m.measures_across = number("measures_across", 1, kMaxMeasuresAcross);
    m.notes_per_measure = number("notes_per_measure", 1, kMaxNotesPerMeasure);
    for (int i = 0; i < kMaxStaffs; ++i) {
        LineProps& staff = m.line_props[i];
        const QByteArray n = QByteArray::number(i);
        staff.set_caption(values.value("caption" + n));
        staff.num_strings = number("strings" + n, 1, kMaxStrings);
        for (int s = 0; s < kMaxStrings; ++s)
            staff.set_tuning(s, values.value("tuning" + n + '_' + QByteArray::number(s)));
    }
    if (!ok || !values.contains("file_name")) return std::nullopt;
    m.recompute_staff_rows();
    return data;
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
    if (QDir().mkpath(folder_)) lock_fd_ = lock_owner(folder_);
}

RecoveryStore::~RecoveryStore() {
    for (const auto& [folder, fd] : claimed_) ::close(fd);
    if (lock_fd_ < 0) return;
    // Data left here is a page the program could not save: it stays for the next start.
    if (!has_data()) QDir(folder_).removeRecursively();
    ::close(lock_fd_);
}

bool RecoveryStore::write(const RecoveryData& data, QString* error) const {
    if (!usable()) return false;
    const QDir dir(folder_);
    return write_page_file(dir.filePath(QString::fromLatin1(kPage)), data.page, error) &&
           write_text(dir.filePath(QString::fromLatin1(kInfo)), info_text(data), error);
}

void RecoveryStore::discard() const {
    const QDir dir(folder_);
    QFile::remove(dir.filePath(QString::fromLatin1(kInfo)));
    QFile::remove(dir.filePath(QString::fromLatin1(kPage)));
}

bool RecoveryStore::has_data() const {
    const QDir dir(folder_);
    return QFileInfo::exists(dir.filePath(QString::fromLatin1(kPage))) ||
           QFileInfo::exists(dir.filePath(QString::fromLatin1(kInfo)));
}

void RecoveryStore::set_open_file(const QString& path) const {
    if (usable())
        write_text(QDir(folder_).filePath(QString::fromLatin1(kOpen)), path.toUtf8(), nullptr);
}

QStringList RecoveryStore::claim_orphans() {
    QList<std::pair<QDateTime, QString>> found;
    const QFileInfoList folders = QDir(root_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& info : folders) {
        const QString folder = info.absoluteFilePath();
        if (folder == QFileInfo(folder_).absoluteFilePath()) continue;
        const int fd = lock_owner(folder);
        if (fd < 0) continue;  // its program is running
        claimed_.append({folder, fd});
        const QFileInfo page(QDir(folder).filePath(QString::fromLatin1(kPage)));
        if (!page.exists()) {
            remove(folder);  // nothing was left unsaved there
            continue;
        }
        found.append({page.lastModified(), folder});
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    QStringList folders_found;
    for (const auto& [when, folder] : found) folders_found << folder;
    return folders_found;
}

std::optional<RecoveryData> RecoveryStore::read(const QString& folder) {
    const QDir dir(folder);
    QFile info(dir.filePath(QString::fromLatin1(kInfo)));
    if (!info.open(QIODevice::ReadOnly)) return std::nullopt;
    std::optional<RecoveryData> data = parse_info(info.read(1 << 20));
    if (!data) return std::nullopt;
    const PagePicture limits;
    QString error;
    if (!read_page_file(dir.filePath(QString::fromLatin1(kPage)), limits, &data->page, &error))
        return std::nullopt;
    return data;
}

void RecoveryStore::remove(const QString& folder) {
    QDir(folder).removeRecursively();
    for (qsizetype i = 0; i < claimed_.size(); ++i) {
        if (claimed_[i].first != folder) continue;
        ::close(claimed_[i].second);
        claimed_.removeAt(i);
        return;
    }
}

bool RecoveryStore::open_elsewhere(const QString& path) const {
    if (path.isEmpty()) return false;
    const QFileInfoList folders = QDir(root_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& info : folders) {
        const QString folder = info.absoluteFilePath();
        if (folder == QFileInfo(folder_).absoluteFilePath()) continue;
        QFile open(QDir(folder).filePath(QString::fromLatin1(kOpen)));
        if (!open.open(QIODevice::ReadOnly) || QString::fromUtf8(open.readAll()) != path) continue;
        const int fd = lock_owner(folder);
        if (fd < 0) return true;  // its program holds the lock: it is running
        ::close(fd);
    }
    return false;
}

}  // namespace strumix
