#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace strumix {

class Document;
class Questions;

// File, "E&xport...", "&Print..." and "Print Pre&view...": the page as it is drawn now, into a
// PNG or PDF file or onto paper. None of them changes the page.
class PageOutput : public QObject {
    Q_OBJECT

public:
    PageOutput(Document& document, Questions& questions, QWidget* window);

    // Asks where to export, proposing `suggested`; nothing when the user cancels. The file
    // dialog by default; tests answer it themselves.
    std::function<std::optional<QString>(const QString& suggested)> choose_export_file;

    void mnu_export_Click();
    void mnu_print_Click();
    void mnu_print_preview_Click();
    // The name Export proposes: the page's own, as PNG, in its folder.
    QString suggested_export_name() const;

private:
    // The paper turned for the page (see `orientation_for`), before the user sees it.
    void prepare(QPrinter& printer) const;
    void print_on(QPrinter& printer);

    Document& doc_;
    Questions& questions_;
    QWidget* window_;
};

}  // namespace strumix
