#include "document/document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

#include "document/busy_pointer.h"
#include "files/page_file.h"
#include "page/page_renderer.h"
#include "page/program_facts.h"

namespace strumix {

Document::Document(QObject* parent) : QObject(parent) {
    page_.setObjectName(QStringLiteral("Picture1"));
    connect(&page_, &PagePicture::changed, this, [this](const QRect& rect) {
        drawn_since_kept_ = true;
        emit pageChanged(rect);
    });
    connect(&page_, &PagePicture::resized, this, &Document::pageResized);
}

void Document::set_model(const LayoutModel& model) {
    model_ = model;
    history_.layout_changed();
    emit modelChanged();
}

void Document::start_history() { history_.start(); }

void Document::step_back() {
    BusyPointer busy;
    take_layout(history_.step_back());
}

void Document::step_forward() {
    BusyPointer busy;
    take_layout(history_.step_forward());
}

void Document::take_layout(const std::optional<LayoutModel>& layout) {
    if (!layout || *layout == model_) return;
    model_ = *layout;
    emit modelChanged();
}

void Document::start() {
    LayoutModel layout;
    layout.fill_defaults();
    start(layout);
}

void Document::start(const LayoutModel& layout) {
    BusyPointer busy;
    model_ = layout;
    model_.recompute_staff_rows();
    emit modelChanged();
    set_caption(program_title() + QStringLiteral(" [Untitled]"));
    QString error;
    Redraw_pic(&error);
    commit_and_mark_unchanged();
    backup_copy_ = page_.picture();
    set_names(QStringLiteral("Untitled"), file_path_);
    mark_kept();
    start_history();
}

bool Document::Redraw_pic(QString* error) { return draw_blank_page(page_, model_, error); }

void Document::set_names(const QString& file_name, const QString& file_path) {
    file_name_ = file_name;
    file_path_ = file_path;
    emit namesChanged();
}

void Document::set_caption(const QString& caption) {
    caption_ = caption;
    emit namesChanged();
}

QString Document::caption_for(const QString& file_name) {
    return program_title() + QStringLiteral(" [") + file_name + QStringLiteral("]");
}

bool Document::has_chosen_file() const {
    return file_name_ != QLatin1String("Untitled") && !file_path_.isEmpty() &&
           QDir::isAbsolutePath(file_path_);
}

bool Document::file_changed_on_disk() const {
    if (!stamp_.known) return false;
    const FileStamp now = FileStamp::of(file_path_);
    // A file that has gone is written anew without a question.
    return now.known && !(now == stamp_);
}

void Document::kept_as(const QString& path) {
    stamp_ = FileStamp::of(path);
    const QFileInfo file(path);
    file_name_ = file.fileName();
    file_path_ = path;
    backup_copy_ = page_.picture();
    caption_ = caption_for(file_name_);
    emit namesChanged();
}

void Document::mark_kept() {
    drawn_since_kept_ = false;
    emit kept();
}

void Document::recover(const Picture& page, const LayoutModel& model, const QString& file_name,
                       const QString& file_path, const FileStamp& stamp) {
    set_model(model);
    page_.assign(page);
    backup_copy_ = page_.picture();
    file_name_ = file_name;
    file_path_ = file_path;
    stamp_ = stamp;
    caption_ = has_chosen_file() ? caption_for(file_name_)
                                 : program_title() + QStringLiteral(" [Untitled]");
    drawn_since_kept_ = true;
    emit namesChanged();
    start_history();
}

void Document::take_undo_copy() { undo_copy_ = page_.take_image(); }

void Document::commit_page() { page_.commit(); }

void Document::commit_and_mark_unchanged() {
    commit_page();
    undo_copy_ = page_.picture();
}

void Document::set_backup() {
    BusyPointer busy;
    backup_copy_ = page_.take_image();
}

bool Document::unsaved(Moment moment) const {
    if (moment == Moment::Replacing && page_.picture() != undo_copy_) return true;
    return drawn_since_kept_;
}

// A single-level toggle: the page and the undo copy change places, so a second Undo brings
// back what the first one took away.
void Document::menu_undo_Click() {
    BusyPointer busy;
    Picture scratch = page_.take_image();
    page_.assign(undo_copy_);
    undo_copy_ = std::move(scratch);
}

// The page as it was before the revert becomes the undo copy, so Undo takes the revert back.
void Document::menu_revert_Click() {
    BusyPointer busy;
    undo_copy_ = page_.take_image();
    page_.assign(backup_copy_);
}

bool Document::load(const QString& path, QString* error) {
    QImage image;
    if (!read_page_file(path, page_.limits(), &image, error)) return false;
    page_.assign(std::make_shared<const QImage>(std::move(image)));
    stamp_ = FileStamp::of(path);
    return true;
}

bool Document::save(const QString& path, QString* error) {
    if (!write_page_file(path, page_.image(), error)) return false;
    stamp_ = FileStamp::of(path);
    commit_page();
    mark_kept();
    return true;
}

}  // namespace strumix
