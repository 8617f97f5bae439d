// Text tabs written in the styles found on the web (labelled and unlabelled strings, one to ten
// strings, several instruments, bar lines, repeat marks, two-digit frets aligned either way,
// bends, releases, vibrato, trills, harmonics, slurs, chord names, rhythm rows, lyrics and
// remarks between blocks), each with the notes it holds: every note comes in on its string, in
// its order and in its measure, and nothing is reported left out. And the quirks one at a time.
#include <QDir>
#include <QFile>
#include <QtTest>
#include <map>

#include "text_tab_reader/tab_pages.h"
#include "text_tab_reader/text_tab_reader.h"

using namespace strumix;

namespace {

QString read_all(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readAll());
}

// "track measure string: frets", as the notes land on the pages.
QStringList landed(const TextTab& tab, const TabPages& pages) {
    const int tracks = int(tab.tracks.size());
    std::map<std::tuple<int, int, int>, std::vector<std::pair<int, QString>>> found;
    int systems_before = 0;
    for (const PageNotes& page : pages.pages) {
        const int across = page.layout.measures_across;
        for (const Note& note : page.notes) {
            const ColumnPlace& c = note.place.column;
            const int system = systems_before + c.staff / tracks;
            const int measure = system * across + c.measure;
            found[{c.staff % tracks, measure, note.place.string}].push_back(
                {c.note, note.muted ? QStringLiteral("x") : QString::number(note.fret)});
        }
        systems_before += page.layout.num_lines / tracks;
    }
    QStringList lines;
    for (int t = 0; t < tracks; ++t) {
        for (int m = 0; m < int(tab.tracks[t].measures.size()); ++m) {
            for (int s = 0; s < tab.tracks[t].strings(); ++s) {
                auto& notes = found[{t, m, s}];
                std::sort(notes.begin(), notes.end());
                QStringList frets;
                for (const auto& [column, fret] : notes) frets << fret;
                lines << QStringLiteral("%1 %2 %3: %4").arg(t).arg(m).arg(s).arg(frets.join(' '));
            }
        }
    }
    return lines;
}

}  // namespace

class TestTextTabCorpus : public QObject {
    Q_OBJECT

private slots:
    void corpus_comes_in_note_for_note_data() {
        QTest::addColumn<QString>("path");
        const QDir dir(QStringLiteral(STRUMIX_TEXT_TABS));
        const QStringList tabs = dir.entryList({QStringLiteral("*.txt")}, QDir::Files);
        QVERIFY(tabs.size() >= 30);
        for (const QString& name : tabs) QTest::newRow(qPrintable(name)) << dir.filePath(name);
    }

    void corpus_comes_in_note_for_note() {
        QFETCH(QString, path);
        const TextTab tab = read_text_tab(read_all(path));
        QStringList problems;
        for (const TabProblem& p : tab.problems)
            problems << QStringLiteral("%1:%2 %3").arg(p.line).arg(p.column).arg(p.text);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        const TabPages pages = tab_pages(tab);
        QVERIFY(pages.left_out.isEmpty());
        QString expected = read_all(path.chopped(4) + QStringLiteral(".expect"));
        QStringList want = expected.split('\n', Qt::SkipEmptyParts);
        for (QString& line : want) line = line.trimmed();
        const QStringList got = landed(tab, pages);
        QCOMPARE(got.size(), want.size());
        for (int i = 0; i < got.size(); ++i) QCOMPARE(got[i].trimmed(), want[i]);
    }

    // The quirks of web tabs, one at a time.
    void quirks() {
        // Labels of every kind, and none; a tuning comes from the labels.
        TextTab tab = read_text_tab(QStringLiteral("D|--5--|\nA||-7--|\nE---0--|\n"));
        QCOMPARE(tab.tracks.size(), std::size_t(1));
        QCOMPARE(tab.tracks[0].tuning, (std::vector<QString>{"D", "A", "E"}));
        tab = read_text_tab(QStringLiteral("|-5-|\n|-7-|\n|-0-|\n|-0-|\n"));
        QCOMPARE(tab.tracks[0].tuning, (std::vector<QString>{"G", "D", "A", "E"}));
        QCOMPARE(tab.tracks[0].caption, QStringLiteral("Bass"));

        // Two digits are one number; 25 and three digits are not understood, and said.
        tab = read_text_tab(QStringLiteral("e|--12--25--123--|\n"));
        QCOMPARE(tab.tracks[0].measures[0].columns.size(), std::size_t(1));
        QCOMPARE(tab.tracks[0].measures[0].columns[0].entries[0].fret, 12);
        QCOMPARE(tab.problems.size(), std::size_t(2));
        QCOMPARE(tab.problems[0].line, 1);
        QCOMPARE(tab.problems[0].column, 9);
        QCOMPARE(tab.problems[0].text, QStringLiteral("25"));

        // Bends with and without a target, ghost bends, releases, vibrato both ways, trills.
        tab = read_text_tab(QStringLiteral("e|-7b9-7b8-7b-7pb9-7b9r7-5~~-5v-5tr-|\n"));
        const auto& cols = tab.tracks[0].measures[0].columns;
        QCOMPARE(cols.size(), std::size_t(8));
        QVERIFY(cols[0].entries[0].has(Symbol::WholeBend));
        QVERIFY(cols[1].entries[0].has(Symbol::HalfBend));
        QVERIFY(cols[2].entries[0].has(Symbol::WholeBend));
        QVERIFY(cols[3].entries[0].has(Symbol::GhostBend));
        QVERIFY(cols[4].entries[0].has(Symbol::ReleaseBend));
        QVERIFY(cols[5].entries[0].has(Symbol::Vibrato));
        QVERIFY(cols[6].entries[0].has(Symbol::Vibrato));
        QVERIFY(cols[7].entries[0].has(Symbol::Trill));
        QVERIFY(tab.problems.empty());

        // A slur's letter at the start of a measure belongs to the note before the bar line;
        // repeat marks are bar lines; a remark after the last bar line is no measure.
        tab = read_text_tab(QStringLiteral("e||o-5-|h7-o||  x2\n"));
        QCOMPARE(tab.tracks.size(), std::size_t(1));
        QCOMPARE(tab.tracks[0].measures.size(), std::size_t(2));
        QCOMPARE(tab.tracks[0].measures[0].columns[0].entries[0].slur, QChar('h'));
        QVERIFY(tab.problems.empty());

        // Several instruments in one run of lines; rakes under the strings.
        tab = read_text_tab(QStringLiteral(
            "e|-0-|\nB|-1-|\nG|-0-|\nD|-2-|\nA|-3-|\nE|---|\nG|-5-|\nD|---|\nA|---|\nE|---|\n"
            "  D\n"));
        QCOMPARE(tab.tracks.size(), std::size_t(2));
        QCOMPARE(tab.tracks[1].strings(), 4);

        // Chord names, rhythm rows and remarks are passed over without a word.
        tab = read_text_tab(
            QStringLiteral("My Song\n\n   Am    C\ne|-0-1-|\nB|-1-1-|\n  Q  E\nla la la\n"));
        QCOMPARE(tab.title, QStringLiteral("My Song"));
        QVERIFY(tab.problems.empty());

        // Marks that are not understood are listed with their place and left out.
        tab = read_text_tab(QStringLiteral("e|-5-?-7-|\n"));
        QCOMPARE(tab.problems.size(), std::size_t(1));
        QCOMPARE(tab.problems[0].text, QStringLiteral("?"));
        QCOMPARE(tab.tracks[0].measures[0].columns.size(), std::size_t(2));

        // No tab at all: nothing to lay out.
        QVERIFY(tab_pages(read_text_tab(QStringLiteral("just words\n-----\n"))).pages.empty());
    }

    // The page fits the tab: columns from the densest measure, measures across within the
    // dialog's limits, a page per six staffs, the rest on further pages.
    void layout_fits() {
        QString text;
        for (int block = 0; block < 10; ++block) {
            for (const char* label : {"e", "B", "G", "D", "A", "E"})
                text += QStringLiteral("%1|-1-2-3-4-5-6-7-8-|-1-|-1-|-1-|\n").arg(label);
            text += '\n';
        }
        const TabPages pages = tab_pages(read_text_tab(text));
        QCOMPARE(pages.pages.front().layout.notes_per_measure, 8);
        QCOMPARE(pages.pages.front().layout.measures_across, measures_across_for(8));
        QCOMPARE(pages.pages.front().layout.num_lines, 6);
        // Forty measures, four across, six lines a page: two pages, the second of four lines.
        QCOMPARE(pages.pages.size(), std::size_t(2));
        QCOMPARE(pages.pages[1].layout.num_lines, 4);
    }
};

QTEST_MAIN(TestTextTabCorpus)
#include "test_text_tab_corpus.moc"
