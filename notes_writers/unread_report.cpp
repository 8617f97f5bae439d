#include "notes_writers/unread_report.h"

#include <QCoreApplication>
#include <QStringList>

namespace strumix {

namespace {

// A message box shows this many; the rest are counted.
constexpr int kListed = 12;

}  // namespace

QString unread_report(const PageNotes& notes) {
    if (notes.unread.empty()) return QString();
    QStringList lines;
    const int count = int(notes.unread.size());
    lines << (count == 1
                  ? QCoreApplication::translate(
                        "UnreadReport", "1 place on the page could not be read and is left out:")
                  : QCoreApplication::translate(
                        "UnreadReport",
                        "%1 places on the page could not be read and are left "
                        "out:")
                        .arg(count));
    for (int i = 0; i < count && i < kListed; ++i) {
        const Unread& unread = notes.unread[std::size_t(i)];
        if (unread.cell) {
            const CellPlace& c = *unread.cell;
            lines << QCoreApplication::translate("UnreadReport",
                                                 "staff %1, measure %2, note %3, string %4: %5")
                         .arg(c.column.staff + 1)
                         .arg(c.column.measure + 1)
                         .arg(c.column.note + 1)
                         .arg(c.string + 1)
                         .arg(unread.why);
        } else {
            lines << QCoreApplication::translate("UnreadReport", "at %1, %2: %3")
                         .arg(unread.area.x())
                         .arg(unread.area.y())
                         .arg(unread.why);
        }
    }
    if (count > kListed)
        lines << QCoreApplication::translate("UnreadReport", "and %1 more.").arg(count - kListed);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace strumix
