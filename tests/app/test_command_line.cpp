#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "files/page_file.h"
#include "page/layout_model.h"
#include "page/page_font.h"
#include "page/page_picture.h"
#include "page/page_renderer.h"
#include "page/program_facts.h"
#include "sound_access/soundfont.h"
#include "support/editor_session.h"

// The program itself, as a user runs it from a shell: no display is needed for any of this.
class TestCommandLine : public QObject {
    Q_OBJECT

    struct Run {
        int status = -1;
        QString out, err;
    };
    // `file_size_limit`: a disk that fills up after that many bytes of a file (ulimit -f, in
    // blocks of 512 bytes), 0 for none.
    static Run run(const QStringList& arguments, int file_size_limit = 0) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // Not even the offscreen platform: whatever answers here opens no window at all.
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":no-such-display"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        process.setProcessEnvironment(environment);
        if (file_size_limit > 0) {
            process.start(
                QStringLiteral("sh"),
                QStringList{QStringLiteral("-c"),
                            QStringLiteral("ulimit -f %1; exec \"$0\" \"$@\"").arg(file_size_limit),
                            QStringLiteral(STRUMIX_BINARY)} +
                    arguments);
        } else {
            process.start(QStringLiteral(STRUMIX_BINARY), arguments);
        }
        if (!process.waitForFinished(30000)) process.kill();
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    QTemporaryDir dir;
    QString page_path;
    QImage page;

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        // A three-staff page as the program draws it, with a fret number in colour.
        strumix::LayoutModel layout;
        layout.num_lines = 3;
        layout.measures_across = 2;
        layout.recompute_staff_rows();
        strumix::load_resources();
        strumix::PagePicture picture;
        QString error;
        QVERIFY(strumix::draw_blank_page(picture, layout, &error));
        page = picture.image().copy();
        page.setPixel(100, 60, qRgb(200, 30, 40));
        page_path = dir.filePath(QStringLiteral("three.tab"));
        QVERIFY2(strumix::write_page_file(page_path, page, &error), qPrintable(error));
    }

    void help_and_version_answer_without_a_window() {
        const Run help = run({QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.contains(QStringLiteral("Usage: strumix")));
        QVERIFY(help.out.contains(QStringLiteral("--export <FILE>")));
        const Run version = run({QStringLiteral("--version")});
        QCOMPARE(version.status, 0);
        QVERIFY(version.out.startsWith(
            QStringLiteral("strumix %1\n").arg(QString::fromLatin1(strumix::kProgramVersion))));
        QVERIFY(version.out.contains(QStringLiteral("GPL-3.0-or-later")));
    }

    void wrong_command_lines_are_refused() {
        for (const QStringList& arguments :
             {QStringList{QStringLiteral("--bogus")},
              QStringList{QStringLiteral("a.tab"), QStringLiteral("b.tab")},
              QStringList{QStringLiteral("--export"), dir.filePath(QStringLiteral("x.png"))}}) {
            const Run refused = run(arguments);
            QCOMPARE(refused.status, 2);
            QVERIFY(refused.out.isEmpty());
            QVERIFY2(refused.err.startsWith(QStringLiteral("strumix: ")), qPrintable(refused.err));
        }
    }

    // PNG holds the page's own pixels; PDF holds them too, losslessly.
    void export_writes_the_page() {
        const QString png = dir.filePath(QStringLiteral("out.png"));
        const Run to_png = run({QStringLiteral("--export"), png, page_path});
        QCOMPARE(to_png.status, 0);
        QVERIFY2(to_png.err.isEmpty(), qPrintable(to_png.err));
        QCOMPARE(QImage(png).convertToFormat(QImage::Format_RGB32),
                 page.convertToFormat(QImage::Format_RGB32));

        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
        QCOMPARE(run({QStringLiteral("--export"), pdf, page_path}).status, 0);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.contains("/Subtype /Image"));
        QVERIFY(bytes.contains(QStringLiteral("/Width %1").arg(page.width()).toLatin1()));
        QVERIFY(!bytes.contains("/DCTDecode"));
    }

    // The notes exports read the page's notes: what is written is in the file, what cannot be
    // read is named on the error stream while the export still succeeds, and a picture that is
    // not a page is refused.
    void notes_exports_read_the_page() {
        EditorSession s;
        s.tools.btn_mode_Click(0);
        const strumix::LayoutModel& m = s.doc.model();
        auto type = [&](int note, int string, std::initializer_list<int> keys) {
            s.place_box(m.note_column(0, note), m.string_row(0, string));
            s.key(Qt::Key_Period, Qt::KeypadModifier);
            s.keys(keys);
            s.key(Qt::Key_Return);
        };
        type(0, 0, {Qt::Key_3});
        type(1, 0, {Qt::Key_1, Qt::Key_2});
        type(2, 5, {Qt::Key_X});
        const QString notes_page = dir.filePath(QStringLiteral("riff.tab"));
        QString error;
        QVERIFY2(strumix::write_page_file(notes_page, s.page().image(), &error), qPrintable(error));

        const QString txt = dir.filePath(QStringLiteral("riff.txt"));
        const Run text = run({QStringLiteral("--export"), txt, notes_page});
        QCOMPARE(text.status, 0);
        QVERIFY2(text.err.isEmpty(), qPrintable(text.err));
        QFile text_file(txt);
        QVERIFY(text_file.open(QIODevice::ReadOnly));
        const QString tab = QString::fromUtf8(text_file.readAll());
        QVERIFY2(tab.contains(QStringLiteral("e|-3-12-")), qPrintable(tab));
        QVERIFY2(tab.contains(QStringLiteral("E|------x-")), qPrintable(tab));

        const QString xml = dir.filePath(QStringLiteral("riff.musicxml"));
        QCOMPARE(run({QStringLiteral("--export"), xml, notes_page}).status, 0);
        QFile xml_file(xml);
        QVERIFY(xml_file.open(QIODevice::ReadOnly));
        const QByteArray score = xml_file.readAll();
        QVERIFY(score.contains("<score-partwise version=\"4.0\">"));
        QCOMPARE(score.count("<fret>12</fret>"), 1);

        const QString mid = dir.filePath(QStringLiteral("riff.mid"));
        QCOMPARE(run({QStringLiteral("--export"), mid, notes_page}).status, 0);
        QFile mid_file(mid);
        QVERIFY(mid_file.open(QIODevice::ReadOnly));
        QVERIFY(mid_file.readAll().startsWith(QByteArray("MThd\0\0\0\x06\0\x01", 10)));

        // The sound, with no sound device: a WAV file of 16-bit stereo at 44.1 kHz that lasts
        // the page (the guitar's measure, then the bass's: 16 sixteenths each at 120 beats a
        // minute) and a second for the last note's ring. Without a soundfont, the reason.
        const QString wav = dir.filePath(QStringLiteral("riff.wav"));
        const Run sound = run({QStringLiteral("--export"), wav, notes_page});
        if (!strumix::find_soundfont()) {
            QCOMPARE(sound.status, 1);
            QVERIFY(sound.err.contains(QStringLiteral("fluid-soundfont-gm")));
        } else {
            QCOMPARE(sound.status, 0);
            QFile wav_file(wav);
            QVERIFY(wav_file.open(QIODevice::ReadOnly));
            const QByteArray pcm = wav_file.readAll();
            QVERIFY(pcm.startsWith("RIFF") && pcm.mid(8, 8) == "WAVEfmt ");
            const double seconds = double(pcm.size() - 44) / (44100 * 4);
            QVERIFY2(std::abs(seconds - 5.0) < 0.01, qPrintable(QString::number(seconds)));
            // The same sound as FLAC, packed smaller.
            const QString flac = dir.filePath(QStringLiteral("riff.flac"));
            QCOMPARE(run({QStringLiteral("--export"), flac, notes_page}).status, 0);
            QFile flac_file(flac);
            QVERIFY(flac_file.open(QIODevice::ReadOnly));
            const QByteArray packed = flac_file.readAll();
            QVERIFY(packed.startsWith("fLaC") && packed.size() < pcm.size() / 2);
        }

        // A stray mark beside a note is not read, and the export says so.
        QImage smudged = s.page().image().copy();
        const QRect cell = m.note_cell(0, 2, 0, 6);
        for (int x = cell.left() + 2; x < cell.left() + 7; ++x)
            for (int y = cell.top() + 3; y < cell.top() + 6; ++y)
                smudged.setPixel(x, y, qRgb(0, 0, 0));
        const QString smudged_page = dir.filePath(QStringLiteral("smudged.tab"));
        QVERIFY2(strumix::write_page_file(smudged_page, smudged, &error), qPrintable(error));
        const Run noticed =
            run({QStringLiteral("--export"), dir.filePath(QStringLiteral("s.txt")), smudged_page});
        QCOMPARE(noticed.status, 0);
        QVERIFY2(noticed.err.contains(QStringLiteral("could not be read")),
                 qPrintable(noticed.err));

        QImage blank(400, 300, QImage::Format_RGB32);
        blank.fill(Qt::white);
        const QString blank_page = dir.filePath(QStringLiteral("blank.bmp"));
        QVERIFY2(strumix::write_page_file(blank_page, blank, &error), qPrintable(error));
        const QString nothing = dir.filePath(QStringLiteral("nothing.txt"));
        const Run refused = run({QStringLiteral("--export"), nothing, blank_page});
        QCOMPARE(refused.status, 1);
        QVERIFY2(refused.err.contains(QStringLiteral("layout cannot be found")),
                 qPrintable(refused.err));
        QVERIFY(!QFile::exists(nothing));
    }

    void failed_exports_say_why() {
        const Run missing = run({QStringLiteral("--export"), dir.filePath(QStringLiteral("m.png")),
                                 dir.filePath(QStringLiteral("missing.tab"))});
        QCOMPARE(missing.status, 1);
        QVERIFY(missing.err.contains(QStringLiteral("cannot open")));
        const Run wrong_kind =
            run({QStringLiteral("--export"), dir.filePath(QStringLiteral("out.jpg")), page_path});
        QCOMPARE(wrong_kind.status, 1);
        QVERIFY(wrong_kind.err.contains(
            QStringLiteral(".png, .pdf, .txt, .musicxml, .mid, .wav or .flac")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out.jpg"))));
        const Run no_folder = run(
            {QStringLiteral("--export"), dir.filePath(QStringLiteral("none/out.png")), page_path});
        QCOMPARE(no_folder.status, 1);
        QVERIFY(no_folder.err.contains(QStringLiteral("Cannot write")));
    }

    // Onto a full disk, every kind of export fails with the reason, and a file of that name
    // stays as it was; a new one is not left behind empty.
    void a_full_disk_fails_loudly_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("existing");
        QTest::newRow("PNG over an old one") << "old.png" << true;
        QTest::newRow("PDF over an old one") << "old.pdf" << true;
        QTest::newRow("new PNG") << "new.png" << false;
        QTest::newRow("new PDF") << "new.pdf" << false;
    }
    void a_full_disk_fails_loudly() {
        QFETCH(QString, name);
        QFETCH(bool, existing);
        QTemporaryDir out;
        const QString target = out.filePath(name);
        if (existing) {
            QFile old(target);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("the export of yesterday");
        }
        const Run full = run({QStringLiteral("--export"), target, page_path}, 2);
        QCOMPARE(full.status, 1);
        QVERIFY2(full.err.contains(QStringLiteral("File too large")), qPrintable(full.err));
        QVERIFY2(full.err.contains(target), qPrintable(full.err));
        QStringList left = QDir(out.path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(left, existing ? QStringList{name} : QStringList());
        if (existing) {
            QFile old(target);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("the export of yesterday"));
        }
    }
};

QTEST_MAIN(TestCommandLine)
#include "test_command_line.moc"
