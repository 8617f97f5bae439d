#include "app/help_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "files/regular_file.h"

namespace strumix {

namespace {

QString g_registered;

QString plain_text(QString html) {
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    html.remove(tags);
    html.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    html.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    html.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    return html.simplified();
}

}  // namespace

QString help_file_path(const QString& program_folder) {
    const QString name = QString::fromLatin1(kHelpFileName);
    if (program_folder.endsWith(QLatin1Char('/'))) return program_folder + name;
    return program_folder + QLatin1Char('/') + name;
}

QString locate_help_file(const QString& program_folder) {
    const QString own = help_file_path(program_folder);
    if (QFileInfo(own).isFile()) return own;
    const QString shared =
        help_file_path(QDir::cleanPath(program_folder + QStringLiteral("/../share/strumix")));
    if (QFileInfo(shared).isFile()) return shared;
    return own;
}

void register_help_file(const QString& path) { g_registered = path; }

QString registered_help_file() { return g_registered; }

std::optional<HelpFile> HelpFile::load(const QString& path, QString* error) {
    QFile file;
    QString reason;
    if (!open_regular_file(path, file, QCoreApplication::translate("HelpViewer", "a help file"),
                           &reason)) {
        if (error) *error = reason;
        return std::nullopt;
    }
    // A help file is a few dozen kilobytes; anything far larger is not ours.
    constexpr qint64 kMaxHelpBytes = 4 * 1024 * 1024;
    if (file.size() > kMaxHelpBytes) {
        if (error)
            *error = QCoreApplication::translate("HelpViewer", "The help file is too large.");
        return std::nullopt;
    }
    HelpFile help = parse(QString::fromUtf8(file.readAll()));
    if (help.topics_.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("HelpViewer", "The help file holds no topics.");
        return std::nullopt;
    }
    return help;
}

HelpFile HelpFile::parse(const QString& html) {
    static const QRegularExpression section(
        QStringLiteral(R"re(<section\s+id="topic-(\d+)"[^>]*>(.*?)</section>)re"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression heading(
        QStringLiteral(R"re(<h1[^>]*>(.*?)</h1>)re"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression style(
        QStringLiteral(R"re(<style[^>]*>(.*?)</style>)re"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    HelpFile help;
    const QRegularExpressionMatch style_match = style.match(html);
    if (style_match.hasMatch()) help.style_ = style_match.captured(1);
    auto it = section.globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        bool ok = false;
        const int context = match.captured(1).toInt(&ok);
        if (!ok) continue;
        Topic topic;
        topic.html = match.captured(2);
        const QRegularExpressionMatch title = heading.match(topic.html);
        topic.title = title.hasMatch() ? plain_text(title.captured(1)) : QString();
        help.topics_.insert(context, topic);
    }
    return help;
}

std::optional<HelpFile::Topic> HelpFile::topic(int context) const {
    const auto it = topics_.constFind(context);
    if (it == topics_.constEnd()) return std::nullopt;
    return *it;
}

std::optional<int> help_link_target(const QString& href) {
    static const QRegularExpression link(QStringLiteral(R"re(^#topic-(\d+)$)re"));
    const QRegularExpressionMatch match = link.match(href);
    if (!match.hasMatch()) return std::nullopt;
    bool ok = false;
    const int context = match.captured(1).toInt(&ok);
    if (!ok) return std::nullopt;
    return context;
}

}  // namespace strumix
