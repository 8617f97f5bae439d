// File, Export from the user's side: the page's notes go out as text tab, MusicXML or MIDI by
// the name's ending, a page with places that cannot be read is still exported and the user is
// told which, and a name the export cannot write brings the file window back.
#include <QTemporaryDir>
#include <QtTest>

#include "flows/page_output.h"
#include "page/page_font.h"
#include "support/document_session.h"

using namespace strumix;

namespace {

// A session with a few fret numbers typed on the first staff.
void type_riff(DocumentSession& s) {
    s.tools.btn_mode_Click(0);
    const LayoutModel& m = s.doc.model();
    const int frets[] = {5, 7, 9};
    for (int k = 0; k < 3; ++k) {
        s.place_box(m.note_column(0, k), m.string_row(0, 1));
        s.key(Qt::Key_Period, Qt::KeypadModifier);
        s.key(Qt::Key_0 + frets[k]);
        s.key(Qt::Key_Return);
    }
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestPageOutput : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        load_resources();
    }

    void each_notes_format_by_its_ending() {
        QTemporaryDir dir;
        DocumentSession s;
        type_riff(s);
        PageOutput output(s.doc, s.documents);
        QStringList suggested;
        for (const QString& name : {QStringLiteral("riff.txt"), QStringLiteral("riff.musicxml"),
                                    QStringLiteral("riff.mid")}) {
            bool asked = false;
            s.documents.on_export = [&](const QString& suggestion) -> std::optional<QString> {
                suggested << suggestion;
                if (asked) return std::nullopt;
                asked = true;
                return dir.filePath(name);
            };
            output.mnu_export_Click();
        }
        QVERIFY2(s.host.messages.empty(), qPrintable(s.host.message_texts().join('\n')));
        QVERIFY(suggested.first().endsWith(QStringLiteral("Untitled.png")));
        const QString tab = QString::fromUtf8(contents(dir.filePath(QStringLiteral("riff.txt"))));
        QVERIFY2(tab.contains(QStringLiteral("B|-5-7-9-")), qPrintable(tab));
        const QByteArray score = contents(dir.filePath(QStringLiteral("riff.musicxml")));
        QCOMPARE(score.count("<fret>5</fret>"), 1);
        QCOMPARE(score.count("<fret>7</fret>"), 1);
        // The last note lasts to the end of the measure: 14 sixteenths, written as tied notes.
        QVERIFY(score.count("<fret>9</fret>") >= 2);
        QVERIFY(score.contains("<tied type=\"start\"/>"));
        QVERIFY(contents(dir.filePath(QStringLiteral("riff.mid"))).startsWith("MThd"));
    }

    // What cannot be read is left out of the file and named in a message; what can be read
    // is written.
    void unread_places_are_told() {
        QTemporaryDir dir;
        DocumentSession s;
        type_riff(s);
        const LayoutModel& m = s.doc.model();
        // Two numbers typed into one cell: the second over the first.
        s.place_box(m.note_column(0, 5), m.string_row(0, 3));
        for (int key : {Qt::Key_1, Qt::Key_8}) {
            s.key(Qt::Key_Period, Qt::KeypadModifier);
            s.key(key);
            s.key(Qt::Key_Return);
            s.place_box(m.note_column(0, 5), m.string_row(0, 3));
        }
        PageOutput output(s.doc, s.documents);
        const QString path = dir.filePath(QStringLiteral("riff.txt"));
        int shown = 0;
        s.documents.on_export = [&](const QString&) -> std::optional<QString> {
            return shown++ == 0 ? std::optional(path) : std::nullopt;
        };
        output.mnu_export_Click();
        QCOMPARE(shown, 1);
        QCOMPARE(s.host.messages.size(), std::size_t(1));
        QVERIFY2(s.host.messages[0].text.contains(
                     QStringLiteral("staff 1, measure 1, note 6, string 4")),
                 qPrintable(s.host.messages[0].text));
        const QString tab = QString::fromUtf8(contents(path));
        QVERIFY(tab.contains(QStringLiteral("B|-5-7-9-")));
        QVERIFY(tab.contains(QLatin1Char('?')));
    }

    // A name the export refuses is said, and the file window comes back until the user cancels.
    void a_refused_name_asks_again() {
        QTemporaryDir dir;
        DocumentSession s;
        PageOutput output(s.doc, s.documents);
        int shown = 0;
        s.documents.on_export = [&](const QString&) -> std::optional<QString> {
            ++shown;
            if (shown == 1) return dir.filePath(QStringLiteral("riff.doc"));
            if (shown == 2) return dir.filePath(QStringLiteral("riff.png"));
            return std::nullopt;
        };
        output.mnu_export_Click();
        QCOMPARE(shown, 2);
        QCOMPARE(s.host.message_texts(),
                 QStringList{QStringLiteral("Export writes PNG, PDF, text tab, MusicXML, MIDI, "
                                            "WAV or FLAC: end the name with .png, .pdf, .txt, "
                                            ".musicxml, .mid, .wav or .flac.")});
        QCOMPARE(QImage(dir.filePath(QStringLiteral("riff.png"))).size(), s.page().image().size());
    }
};

QTEST_MAIN(TestPageOutput)
#include "test_page_output.moc"
