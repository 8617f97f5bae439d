#include "document/text_tab_import.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringConverter>

#include "files/regular_file.h"
#include "notes_drawing/notes_drawing.h"
#include "text_tab_reader/tab_pages.h"
#include "text_tab_reader/text_tab_reader.h"

namespace strumix {

namespace {

constexpr qint64 kMostText = qint64(4) << 20;
// A message lists this many things left out, then how many more there are.
constexpr int kMostListed = 20;

}  // namespace

bool import_text_tab(const QString& text, ImportedTab* imported, QString* error) {
    const TextTab tab = read_text_tab(text);
    const TabPages pages = tab_pages(tab);
    if (pages.pages.empty()) {
        *error = QCoreApplication::translate(
            "TextTabImport",
            "No tab was found in the text: a tab has lines of dashes for its strings, such as "
            "e|--3--5--|.");
        return false;
    }
    ImportedTab out;
    for (const TabProblem& problem : tab.problems)
        out.left_out << QCoreApplication::translate("TextTabImport", "line %1, column %2: %3")
                            .arg(problem.line)
                            .arg(problem.column)
                            .arg(problem.text);
    out.left_out << pages.left_out;
    for (const PageNotes& notes : pages.pages) {
        ImportedTab::Page page;
        page.layout = notes.layout;
        if (!draw_page_of_notes(notes, &page.picture, error)) return false;
        out.pages.push_back(std::move(page));
    }
    *imported = std::move(out);
    return true;
}

bool read_text_file(const QString& path, QString* text, QString* error) {
    QFile file(path);
    if (!open_regular_file(path, file, QCoreApplication::translate("TextTabImport", "a text tab"),
                           error))
        return false;
    if (file.size() > kMostText) {
        *error = QStringLiteral("\"%1\" is larger than a text tab can be (4 MiB).").arg(path);
        return false;
    }
    const QByteArray bytes = file.read(kMostText + 1);
    if (file.error() != QFileDevice::NoError) {
        *error = QCoreApplication::translate("TextTabImport", "Cannot read \"%1\": %2")
                     .arg(path, file.errorString());
        return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    *text = utf8.decode(bytes);
    // Tabs saved on older systems are often Latin-1.
    if (utf8.hasError()) *text = QString::fromLatin1(bytes);
    return true;
}

bool is_text_tab_file(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0;
}

QStringList page_file_names(const QString& first, int pages) {
    const QFileInfo info(first);
    const QString base = info.dir().filePath(info.completeBaseName());
    const QString suffix = info.suffix().isEmpty() ? QStringLiteral("tab") : info.suffix();
    QStringList names{base + QLatin1Char('.') + suffix};
    for (int i = 2; i <= pages; ++i)
        names << QStringLiteral("%1-%2.%3").arg(base).arg(i).arg(suffix);
    return names;
}

QString import_report(const ImportedTab& imported, const QStringList& names) {
    QStringList lines;
    if (!imported.left_out.isEmpty()) {
        lines << QCoreApplication::translate(
            "TextTabImport", "These parts of the text tab were not understood and are left out:");
        for (int i = 0; i < imported.left_out.size() && i < kMostListed; ++i)
            lines << imported.left_out[i];
        if (imported.left_out.size() > kMostListed)
            lines << QCoreApplication::translate("TextTabImport", "and %1 more.")
                         .arg(imported.left_out.size() - kMostListed);
    }
    if (imported.pages.size() > 1) {
        if (!lines.isEmpty()) lines << QString();
        lines << QCoreApplication::translate(
                     "TextTabImport",
                     "The tab fills %1 pages; the first is shown. Save all of them "
                     "side by side as %2?")
                     .arg(imported.pages.size())
                     .arg(names.size() > 2
                              ? QStringLiteral("%1, %2, ...")
                                    .arg(QFileInfo(names[0]).fileName(),
                                         QFileInfo(names[1]).fileName())
                              : QCoreApplication::translate("TextTabImport", "%1 and %2")
                                    .arg(QFileInfo(names[0]).fileName(),
                                         QFileInfo(names[1]).fileName()));
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace strumix
