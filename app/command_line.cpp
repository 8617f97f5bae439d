#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "document/page_export.h"
#include "document/text_tab_import.h"
#include "files/page_file.h"
#include "page/layout_finder.h"
#include "page/program_facts.h"

namespace strumix {

namespace {

void print_to(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    if (!text.endsWith(QLatin1Char('\n'))) std::fputc('\n', stream);
}

}  // namespace

CommandLine parse_command_line(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Strumix: guitar and bass tablature, typed and drawn on a picture."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption export_to(
        QStringLiteral("export"),
        QCoreApplication::translate(
            "CommandLine",
            "Write PAGE to FILE and end, with no window: the picture as PNG or PDF, "
            "its notes as text tab, MusicXML or MIDI, or their sound as WAV or FLAC "
            "(by FILE's extension: .png, .pdf, .txt, .musicxml, .mid, .wav, .flac)."),
        QStringLiteral("FILE"));
    parser.addOption(export_to);
    parser.addPositionalArgument(
        QStringLiteral("PAGE"),
        QCoreApplication::translate("CommandLine",
                                    "A page to open (.tab or .bmp), or a text tab "
                                    "(.txt) to take in."),
        QStringLiteral("[PAGE]"));

    CommandLine line;
    const QString name =
        arguments.isEmpty() ? QStringLiteral("strumix") : QFileInfo(arguments.first()).fileName();
    if (!parser.parse(arguments)) {
        line.action = CommandLine::Action::Refuse;
        line.text = QCoreApplication::translate("CommandLine", "%1: %2\nTry '%1 --help'.")
                        .arg(name, parser.errorText());
        return line;
    }
    const QStringList pages = parser.positionalArguments();
    if (pages.size() > 1) {
        line.action = CommandLine::Action::Refuse;
        line.text = QCoreApplication::translate("CommandLine",
                                                "%1: one page at a time, not %2.\nTry '%1 --help'.")
                        .arg(name)
                        .arg(pages.size());
        return line;
    }
    if (!pages.isEmpty()) line.page = pages.first();
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        line.action = CommandLine::Action::Help;
        // The usage line names the program as it was called.
        line.text = parser.helpText().replace(QStringLiteral("<executable_name>"), name);
    } else if (parser.isSet(version)) {
        line.action = CommandLine::Action::Version;
    } else if (parser.isSet(export_to)) {
        line.action = CommandLine::Action::Export;
        line.export_to = parser.value(export_to);
        if (line.page.isEmpty()) {
            line.action = CommandLine::Action::Refuse;
            line.text =
                QCoreApplication::translate(
                    "CommandLine", "%1: --export needs the page to export.\nTry '%1 --help'.")
                    .arg(name);
        }
    }
    return line;
}

QString version_text() {
    return QCoreApplication::translate("CommandLine",
                                       "strumix %1\nBuilt with Qt %2, running on Qt %3\n%4")
        .arg(QString::fromLatin1(kProgramVersion), QString::fromLatin1(QT_VERSION_STR),
             QString::fromLatin1(qVersion()),
             QCoreApplication::translate("Licence", kProgramLicence));
}

namespace {

// A text tab converted: as pages (OUT.tab, OUT-2.tab, ... or .bmp), or its first page exported
// as any other format is.
int export_text_tab(const CommandLine& line) {
    QString text;
    QString error;
    ImportedTab imported;
    if (!read_text_file(line.page, &text, &error) || !import_text_tab(text, &imported, &error)) {
        print_to(stderr,
                 QCoreApplication::translate("CommandLine", "strumix: cannot take in \"%1\": %2")
                     .arg(line.page, error));
        return 1;
    }
    const QString suffix = QFileInfo(line.export_to).suffix().toLower();
    if (suffix == QLatin1String("tab") || suffix == QLatin1String("bmp")) {
        const QStringList names = page_file_names(line.export_to, int(imported.pages.size()));
        for (std::size_t i = 0; i < imported.pages.size(); ++i) {
            if (!write_page_file(names[qsizetype(i)], imported.pages[i].picture, &error)) {
                print_to(stderr, QStringLiteral("strumix: %1").arg(error));
                return 1;
            }
        }
    } else if (!export_page(line.export_to, imported.pages.front().picture,
                            imported.pages.front().layout, &error)) {
        print_to(stderr, QStringLiteral("strumix: %1").arg(error));
        return 1;
    }
    if (!imported.left_out.isEmpty())
        print_to(stderr,
                 QCoreApplication::translate("CommandLine", "strumix: left out of \"%1\":\n%2")
                     .arg(line.page, imported.left_out.join(QLatin1Char('\n'))));
    return 0;
}

}  // namespace

bool export_needs_fonts(const CommandLine& line) {
    // Taking a text tab in draws it; the layout is found by reading the staffs' labels.
    return is_text_tab_file(line.page) ||
           export_uses_layout(QFileInfo(line.export_to).suffix().toLower());
}

int export_from_command_line(const CommandLine& line) {
    if (is_text_tab_file(line.page)) return export_text_tab(line);
    QImage page;
    QString error;
    if (!read_page_file(line.page, PageLimits(), &page, &error)) {
        print_to(stderr,
                 QCoreApplication::translate("CommandLine", "strumix: cannot open \"%1\": %2")
                     .arg(line.page, error));
        return 1;
    }
    QString notice;
    // Finding the layout reads the staffs' labels, and is left out where it is not used.
    const QString suffix = QFileInfo(line.export_to).suffix().toLower();
    const std::optional<LayoutModel> layout =
        export_uses_layout(suffix) ? find_layout(page) : std::nullopt;
    if (!export_page(line.export_to, page, layout, &error, &notice)) {
        // The reason names the file and says what went wrong.
        print_to(stderr, QStringLiteral("strumix: %1").arg(error));
        return 1;
    }
    // Written, with what could not be read left out and said.
    if (!notice.isEmpty()) print_to(stderr, QStringLiteral("strumix: %1").arg(notice));
    return 0;
}

int answer_without_window(const CommandLine& line) {
    switch (line.action) {
        case CommandLine::Action::Help:
            print_to(stdout, line.text);
            return 0;
        case CommandLine::Action::Version:
            print_to(stdout, version_text());
            return 0;
        case CommandLine::Action::Export:
            return export_from_command_line(line);
        case CommandLine::Action::Refuse:
            print_to(stderr, line.text);
            return 2;
        case CommandLine::Action::Edit:
            break;
    }
    return 0;
}

}  // namespace strumix
