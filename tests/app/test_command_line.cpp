#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "files/page_file.h"
#include "page/layout_model.h"
#include "page/page_font.h"
#include "page/page_picture.h"
#include "page/page_renderer.h"
#include "page/program_facts.h"

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

    void failed_exports_say_why() {
        const Run missing = run({QStringLiteral("--export"), dir.filePath(QStringLiteral("m.png")),
                                 dir.filePath(QStringLiteral("missing.tab"))});
        QCOMPARE(missing.status, 1);
        QVERIFY(missing.err.contains(QStringLiteral("cannot open")));
        const Run wrong_kind =
            run({QStringLiteral("--export"), dir.filePath(QStringLiteral("out.jpg")), page_path});
        QCOMPARE(wrong_kind.status, 1);
        QVERIFY(wrong_kind.err.contains(QStringLiteral(".png or .pdf")));
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
