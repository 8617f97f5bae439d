#pragma once

#include <QMap>
#include <QString>
#include <optional>

#include "page/program_facts.h"

namespace strumix {

// The help file's name; the program looks for it by this name in its own folder.
inline constexpr char kHelpFileName[] = "STRUMIX.HLP";

// The program's folder followed by the help file's name with exactly one separator between
// them, also when the folder is a root ("/" gives "/STRUMIX.HLP").
QString help_file_path(const QString& program_folder);

// Where an installed program finds its help file: in its own folder when it is there (a build
// tree, or a program copied together with its help file), otherwise in ../share/strumix/ beside
// the folder (the layout `cmake --install` makes). When neither exists, the own-folder path.
QString locate_help_file(const QString& program_folder);

// The help file registered at start-up for all help requests; empty before.
void register_help_file(const QString& path);
QString registered_help_file();

// The topics of a help file. The file is an HTML document in which every topic is a
// <section id="topic-N"> element, N its context number, starting with an <h1> title; links
// between topics are written href="#topic-N".
class HelpFile {
public:
    struct Topic {
        QString title;
        QString html;
    };

    // Reads the file; nothing, with the reason in `error`, when it cannot be read or holds no
    // topic.
    static std::optional<HelpFile> load(const QString& path, QString* error);
    // Splits an HTML text into its topics.
    static HelpFile parse(const QString& html);

    bool contains(int context) const { return topics_.contains(context); }
    std::optional<Topic> topic(int context) const;
    QList<int> contexts() const { return topics_.keys(); }
    // The document's style sheet (its <style> element), shared by all topics.
    const QString& style() const { return style_; }

private:
    QMap<int, Topic> topics_;
    QString style_;
};

// The context number named by a link inside the help file ("#topic-20" gives 20), or nothing.
std::optional<int> help_link_target(const QString& href);

}  // namespace strumix
