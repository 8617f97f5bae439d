#pragma once

#include <QObject>
#include <QString>

#include "document/page_history.h"
#include "files/file_stamp.h"
#include "page/layout_model.h"
#include "page/page_picture.h"

namespace strumix {

// The open tab page: the page picture `Picture1` with its undo and backup copies, the layout
// values it was drawn from, its names and whether it has changed. Everything that draws on the
// page draws on `Picture1`, which reports the pixels it touched; the document passes that on
// and says when its names or its layout change, so each view updates just that.
class Document : public QObject {
    Q_OBJECT

public:
    explicit Document(QObject* parent = nullptr);

    PagePicture& Picture1() { return page_; }
    const PagePicture& Picture1() const { return page_; }

    // --- the layout values ------------------------------------------------------------------
    const LayoutModel& model() const { return model_; }
    void set_model(const LayoutModel& model);
    // The start-up layout and its blank page, committed as the undo and backup copy.
    void start();
    // The same with the layout a previous run left instead of the start-up one.
    void start(const LayoutModel& layout);
    // The whole blank page of the current layout. Fails, with the reason, when the page cannot
    // be created; the page is then white at its old size.
    bool Redraw_pic(QString* error);

    // --- names ------------------------------------------------------------------------------
    const QString& file_name() const { return file_name_; }
    const QString& file_path() const { return file_path_; }
    void set_names(const QString& file_name, const QString& file_path);
    // The main window's caption, which follows the names only where the commands say so.
    const QString& caption() const { return caption_; }
    void set_caption(const QString& caption);
    // "Strumix 95 v1.0a [song.tab]", as a page just opened or saved is shown.
    static QString caption_for(const QString& file_name);
    // Whether the page has a file the user chose: a name of their own and a full path. After a
    // cancelled "&New..." the names are "Untitled.bmp", which names no file of theirs.
    bool has_chosen_file() const;
    // The page now belongs to the file at `path`: its names, the caption, and the backup copy.
    void kept_as(const QString& path);
    // Whether the file at `file_path` was changed on disk (by another program, or another copy
    // of Strumix) since the page was opened from it or saved to it here.
    bool file_changed_on_disk() const;

    // --- undo and backup --------------------------------------------------------------------
    // The undo copy that "&Undo" goes back to (`backup` 0), and the backup copy that "Re&vert
    // to Backup" goes back to (`backup` 1).
    const Picture& undo_copy() const { return undo_copy_; }
    const Picture& backup_copy() const { return backup_copy_; }
    void take_undo_copy();
    void commit_page();
    void commit_and_mark_unchanged();
    void set_backup();
    void menu_undo_Click();
    void menu_revert_Click();

    // --- history ----------------------------------------------------------------------------
    // Every change of the page, step by step. Save keeps it; a new, opened or recovered page
    // starts a new one.
    PageHistory& history() { return history_; }
    const PageHistory& history() const { return history_; }
    void start_history();
    // "Step &Back" and "Step &Forward": the page (and its layout, where a step changed it) as
    // it was before the last step, or after the next. The page then counts as changed.
    void step_back();
    void step_forward();

    // --- changed ----------------------------------------------------------------------------
    // Whether the page holds drawing the user would lose, as each moment that asks puts it:
    // before New or Open replaces the page (the undo copy is not the page, or anything was
    // drawn since the page was created, opened or saved: choosing a notation tool commits
    // typed numbers and so passes the undo copy's test); before the program ends, and for
    // keeping a copy to recover (anything drawn since then; a page just saved is not at stake).
    enum class Moment { Replacing, Ending, Recovering };
    bool unsaved(Moment moment) const;
    // The page is now what was just created, opened or saved: nothing drawn on it is unsaved.
    void mark_kept();
    // A page recovered after the program ended without saving it: shown as it was, with its
    // layout and names, and counted as changed so that it is saved where it belonged.
    // `stamp`: what the page's file was before the program ended, so that a file changed since
    // is not overwritten unasked.
    void recover(const Picture& page, const LayoutModel& model, const QString& file_name,
                 const QString& file_path, const FileStamp& stamp);
    // What the page's file on disk was when the page was last opened from it or saved to it.
    const FileStamp& file_stamp() const { return stamp_; }

    // --- files ------------------------------------------------------------------------------
    // Loads the picture file at `path` as the page's persistent picture, at its own size. On
    // failure the page is left as it was and `error` says why.
    bool load(const QString& path, QString* error);
    // Writes the drawn image to `path` as a bitmap and commits it. On failure the file on disk
    // and the page are left as they were.
    bool save(const QString& path, QString* error);

signals:
    // Pixels of the drawn image changed inside this rectangle.
    void pageChanged(const QRect& pixels);
    void pageResized(const QSize& pixels);
    void namesChanged();
    void modelChanged();
    // Nothing drawn on the page is unsaved any more.
    void kept();

private:
    void take_layout(const std::optional<LayoutModel>& layout);

    PagePicture page_;
    // What the file on disk was when the page was last read from it or written to it.
    FileStamp stamp_;
    LayoutModel model_;
    PageHistory history_{page_, model_};
    Picture undo_copy_;
    Picture backup_copy_;
    QString file_name_ = QStringLiteral("Untitled");
    QString file_path_;
    QString caption_ = QStringLiteral("Strumix v1.0a ");
    // Set by every change of the page's pixels; cleared by mark_kept().
    bool drawn_since_kept_ = false;
};

}  // namespace strumix
