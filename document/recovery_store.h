#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

#include "files/recovery_format.h"

namespace strumix {

// The folder each running Strumix keeps in the user's data folder: the recovery data of its page
// while the page has unsaved drawing, and the path of the file it has open. The program holds a
// lock on its folder for as long as it runs; the system lets go of it however the program ends,
// so a folder whose lock can be taken belongs to a program that is no longer running.
//
// Nothing here ever follows a link: only real folders with the names running programs give
// them are looked at, and only the files the program writes there are ever removed, so a link
// or a file the user put in the recovery folder can never lead the clean-up anywhere else.
class RecoveryStore {
public:
    // Makes this program's own folder under `root` (the user's data folder when empty).
    explicit RecoveryStore(const QString& root = QString());
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    bool usable() const { return lock_fd_ >= 0; }
    // Why the folder cannot be used, when it cannot.
    const QString& problem() const { return problem_; }
    const QString& folder() const { return folder_; }

    // Writes the data through safe writes: the old data stays whole until the new is on disk.
    // Safe to call from a thread of its own while the caller's thread goes on.
    bool write(const RecoveryData& data, QString* error) const;
    // Removes this program's recovery data (not its folder).
    void discard() const;
    bool has_data() const;
    // The file this program has open, for other copies of Strumix to see.
    void set_open_file(const QString& path) const;

    // Folders left by programs that no longer run and that hold a page, newest first, each
    // locked by this program from now on so that no other start offers it too. Folders that
    // hold no page are removed.
    QStringList claim_orphans();
    // A claimed folder's data: the page with its layout and names, or, when those are damaged,
    // the page with the layout read from its pixels (the start-up layout when none can be) and
    // no names. Nothing when there is no page that can be read.
    static std::optional<RecoveryData> read(const QString& folder);
    // Removes a claimed folder: the files the program writes there, and the folder when nothing
    // else is left in it.
    void remove(const QString& folder);
    // Lets go of a claimed folder, leaving its data for the next start.
    void release(const QString& folder);
    // Whether another running Strumix has the file at `path` open.
    bool open_elsewhere(const QString& path) const;

    static QString default_root();

private:
    QString root_;
    QString folder_;
    QString problem_;
    int lock_fd_ = -1;
    QList<std::pair<QString, int>> claimed_;
};

}  // namespace strumix
