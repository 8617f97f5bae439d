// The page's notes as a text tab a guitarist would write: every mark where it belongs.
#include <QtTest>

#include "notes_writers/text_tab_writer.h"
#include "notes_writers/unread_report.h"

using namespace strumix;

namespace {

struct Page {
    PageNotes notes;
    explicit Page(int staffs = 1, int across = 2, int per_measure = 4) {
        notes.layout.fill_defaults();
        notes.layout.num_lines = staffs;
        notes.layout.measures_across = across;
        notes.layout.notes_per_measure = per_measure;
        notes.layout.recompute_staff_rows();
    }
    Note& add(int staff, int measure, int column, int string, int fret,
              std::vector<Symbol> symbols = {}) {
        Note n;
        n.place = {{staff, measure, column}, string};
        n.fret = fret;
        n.text = QString::number(fret);
        n.symbols = std::move(symbols);
        notes.notes.push_back(n);
        std::sort(notes.notes.begin(), notes.notes.end(),
                  [](const Note& a, const Note& b) { return a.place < b.place; });
        return *std::find_if(notes.notes.begin(), notes.notes.end(),
                             [&](const Note& x) { return x.place == n.place; });
    }
    void slur(SlurKind kind, CellPlace from, CellPlace to) {
        notes.slurs.push_back({kind, from, to, true, kind == SlurKind::Slide, true});
    }
    QStringList lines() const { return text_tab(notes).split(QLatin1Char('\n')); }
};

}  // namespace

class TestTextTab : public QObject {
    Q_OBJECT

private slots:
    void every_mark_in_its_column() {
        Page page;
        page.notes.title = QStringLiteral("Riff");
        page.add(0, 0, 0, 0, 0);
        page.add(0, 0, 1, 0, 3);
        page.slur(SlurKind::Hammer, {{0, 0, 0}, 0}, {{0, 0, 1}, 0});
        page.add(0, 0, 2, 1, 12).harmonic = true;
        page.add(0, 0, 3, 2, 5, {Symbol::WholeBend});
        Note& muted = page.add(0, 1, 0, 3, -1);
        muted.muted = true;
        page.add(0, 1, 1, 4, 7, {Symbol::Vibrato, Symbol::RakeDown});
        page.add(0, 1, 1, 5, 5);
        page.add(0, 1, 2, 4, 9);
        page.slur(SlurKind::Slide, {{0, 1, 1}, 4}, {{0, 1, 2}, 4});
        page.add(0, 1, 3, 0, 10, {Symbol::Trill});
        page.notes.unread.push_back(
            {QRect(1, 2, 3, 4), QStringLiteral("why"), CellPlace{{0, 1, 3}, 5}});
        const QStringList lines = page.lines();
        const QStringList expected = {
            QStringLiteral("Riff"),
            QString(),
            QStringLiteral("Guitar"),
            QStringLiteral("e|-0h-3----------|---------10tr-|"),
            QStringLiteral("B|------<12>-----|--------------|"),
            QStringLiteral("G|-----------5b7-|--------------|"),
            QStringLiteral("D|---------------|-x------------|"),
            QStringLiteral("A|---------------|---7~/-9------|"),
            QStringLiteral("E|---------------|---5-----?----|"),
            QStringLiteral("                     D"),
            QString(),
        };
        QCOMPARE(lines.mid(0, expected.size()), expected);
        // The legend names the rake and the unread cell, and the text ends with a line.
        const QString all = lines.join(QLatin1Char('\n'));
        QVERIFY(all.contains(QStringLiteral("D, U under a column")));
        QVERIFY(all.contains(QStringLiteral("? a note that could not be read")));
        QVERIFY(all.endsWith(QLatin1Char('\n')));
    }

    void slurs_say_which_way_they_go() {
        Page page(1, 1, 8);
        auto pair = [&](int column, int from, int to, SlurKind kind) {
            page.add(0, 0, column, 2, from);
            page.add(0, 0, column + 1, 2, to);
            page.slur(kind, {{0, 0, column}, 2}, {{0, 0, column + 1}, 2});
        };
        pair(0, 5, 7, SlurKind::Legato);
        pair(2, 7, 5, SlurKind::HammerPull);
        pair(4, 9, 4, SlurKind::Slide);
        pair(6, 4, 4, SlurKind::Legato);
        QCOMPARE(page.lines()[3], QStringLiteral("G|-5h-7-7p-5-9\\-4-4-4-|"));
    }

    // Staffs wider than a line go on in blocks, a measure at a time, each under its labels.
    void wide_staffs_go_on_below() {
        Page page(2, 4, 16);
        page.notes.layout.line_props[1].set_caption(QString());
        for (int m = 0; m < 4; ++m)
            for (int k = 0; k < 16; ++k) page.add(0, m, k, 0, 10 + k % 10, {Symbol::Vibrato});
        const QStringList lines = page.lines();
        // Each measure takes 1 + 16·4 columns ("10~-"): three fit beside the labels in the
        // page's line, the fourth goes below.
        const int width = std::max(80, int(std::ceil(page.notes.layout.page_width_columns())));
        int blocks = 0;
        for (const QString& line : lines) {
            QVERIFY2(line.size() <= width, qPrintable(line));
            blocks += line.startsWith(QStringLiteral("e|"));
        }
        QCOMPARE(blocks, 2);
        // A staff with no caption is named by its place.
        QVERIFY(lines.contains(QStringLiteral("Staff 2")));
        // The second staff has no notes: one block holds its four empty measures.
        const int second = int(lines.indexOf(QStringLiteral("Staff 2")));
        QCOMPARE(lines[second + 1], QStringLiteral("G|") + QStringLiteral("-").repeated(33) +
                                        QStringLiteral("|") + QStringLiteral("-").repeated(33) +
                                        QStringLiteral("|") + QStringLiteral("-").repeated(33) +
                                        QStringLiteral("|") + QStringLiteral("-").repeated(33) +
                                        QStringLiteral("|"));
    }

    void unread_places_are_listed() {
        Page page;
        QVERIFY(unread_report(page.notes).isEmpty());
        page.notes.unread.push_back(
            {QRect(40, 50, 9, 9), QStringLiteral("a smudge"), std::nullopt});
        for (int i = 0; i < 14; ++i)
            page.notes.unread.push_back(
                {QRect(), QStringLiteral("over-printed"), CellPlace{{0, 1, 2}, 3}});
        const QStringList report = unread_report(page.notes).split(QLatin1Char('\n'));
        QCOMPARE(report.first(),
                 QStringLiteral("15 places on the page could not be read and are left out:"));
        QCOMPARE(report[1], QStringLiteral("at 40, 50: a smudge"));
        QCOMPARE(report[2], QStringLiteral("staff 1, measure 2, note 3, string 4: over-printed"));
        QCOMPARE(report.last(), QStringLiteral("and 3 more."));
    }
};

QTEST_MAIN(TestTextTab)
#include "test_text_tab.moc"
