#pragma once

#include <QString>
#include <QStringList>

namespace strumix {

// What the program was asked to do on its command line.
struct CommandLine {
    enum class Action { Edit, Help, Version, Export, Refuse };
    Action action = Action::Edit;
    QString page;       // the page to open or export (as given)
    QString export_to;  // --export's file
    QString text;       // Help: the help text; Refuse: why
};

// Reads the arguments (the program's name first). Needs no application object, so that the
// answers that open no window never start one.
CommandLine parse_command_line(const QStringList& arguments);

// "strumix 1.0", and the Qt it was built with and runs on.
QString version_text();

// Whether the export draws or reads text, which needs the GUI application's fonts: a text
// tab taken in, and every export that uses the page's layout; a PNG of a page file is only
// the picture written again.
bool export_needs_fonts(const CommandLine& line);

// Writes `line.page` to `line.export_to` with no window. Returns the exit status; a failure
// is said on standard error.
int export_from_command_line(const CommandLine& line);

// Help, version, export and a refused command line: answered on standard output or error,
// with no window. Returns the exit status (2 for a command line refused).
int answer_without_window(const CommandLine& line);

}  // namespace strumix
