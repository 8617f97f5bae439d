#include "docs/page_io.h"

#include <QDir>
#include <memory>

#include "docs/page_file.h"
#include "edit/editor.h"

namespace strumix {

QString document_caption(const QString& file_name) {
    return QString::fromLatin1(kProgramTitle) + QStringLiteral(" [") + file_name +
           QStringLiteral("]");
}

bool has_chosen_file(const Editor& editor) {
    return editor.model.file_name != QLatin1String("Untitled") &&
           !editor.model.file_path.isEmpty() && QDir::isAbsolutePath(editor.model.file_path);
}

bool load_page(Editor& editor, const QString& path, QString* error) {
    QImage image;
    if (!read_page_file(path, editor.Picture1, &image, error)) return false;
    editor.Picture1.assign(std::make_shared<const QImage>(std::move(image)));
    ++editor.files_read;
    return true;
}

bool save_page(Editor& editor, const QString& path, QString* error) {
    if (!write_page_file(path, editor.Picture1.image(), error)) return false;
    editor.commit_page();
    editor.page_kept();
    ++editor.files_written;
    return true;
}

void report_file_error(Editor& editor, const QString& error) {
    editor.host().message(error, QString::fromLatin1(kProgramTitle), MessageIcon::Critical);
}

}  // namespace strumix
