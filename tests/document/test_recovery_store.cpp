// The recovery folder as a hostile or unlucky user may leave it: links to folders full of
// pages, files of the user's own, damaged or odd layout data. Nothing outside what the program
// wrote is ever removed, and a page whose layout data is damaged is still offered.
#include <sys/stat.h>
#include <unistd.h>

#include <QDirIterator>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include "document/recovery_store.h"
#include "files/page_file.h"
#include "page/page_font.h"
#include "page/page_picture.h"
#include "page/page_renderer.h"
#include "support/sample_pictures.h"

using namespace strumix;

namespace {

// A folder as a program that is no longer running leaves it, holding `page`.
QString left_folder(const QString& root, const QString& name, const QImage& page) {
    const QString folder = QDir(root).filePath(name);
    QDir().mkpath(folder);
    samples::write(QDir(folder).filePath(QStringLiteral("owner")), QByteArray());
    QString error;
    write_page_file(QDir(folder).filePath(QStringLiteral("page.bmp")), page, &error);
    return folder;
}

// The start-up page, drawn as the program draws it.
QImage blank_page() {
    PagePicture page;
    QString error;
    draw_blank_page(page, LayoutModel(), &error);
    return page.image();
}

QStringList tree(const QString& folder) {
    QStringList names;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) names << QDir(folder).relativeFilePath(it.next());
    names.sort();
    return names;
}

}  // namespace

class TestRecoveryStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    // A link to a folder, named as a program names its folder or not, leads nowhere: what it
    // points at is neither offered nor touched, at this start or the next.
    void links_are_never_followed() {
        QTemporaryDir home;
        const QString music = home.filePath(QStringLiteral("Music"));
        left_folder(home.path(), QStringLiteral("Music"), samples::small_picture());
        samples::write(QDir(music).filePath(QStringLiteral("song.tab")), "a page of the user's");
        QDir().mkpath(QDir(music).filePath(QStringLiteral("old")));
        const QStringList before = tree(music);
        const QString root = home.filePath(QStringLiteral("recovery"));
        QDir().mkpath(root);
        QVERIFY(QFile::link(music, QDir(root).filePath(QStringLiteral("4242-1700000000000-0"))));
        QVERIFY(QFile::link(music, QDir(root).filePath(QStringLiteral("Music"))));
        for (int start = 0; start < 2; ++start) {
            RecoveryStore store(root);
            QVERIFY(store.claim_orphans().isEmpty());
        }
        QCOMPARE(tree(music), before);
    }

    // Only the files the program writes are removed; the user's own stay, and so does the
    // folder that holds them.
    void only_its_own_files_are_removed() {
        QTemporaryDir root;
        const QString folder =
            left_folder(root.path(), QStringLiteral("4243-1700000000000-0"), blank_page());
        samples::write(QDir(folder).filePath(QStringLiteral("notes.txt")), "mine");
        // A safe write cut short leaves its temporary name: removed. Names merely like it stay.
        samples::write(QDir(folder).filePath(QStringLiteral("page.bmp.Ab12cD")), "half");
        for (const char* alike : {"open.12345", "owner.abc-ef", "page.bmpx", "xopen"})
            samples::write(QDir(folder).filePath(QLatin1String(alike)), "mine");
        // Folders named almost as a program names its own are not looked into.
        for (const char* alike : {"4243-1700000000000", "4243-17000x0000000-0", "4243--0"})
            left_folder(root.path(), QLatin1String(alike), blank_page());
        QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath(QStringLiteral("precious.bmp"));
        samples::write(target, "precious");
        QVERIFY(QFile::link(target, QDir(folder).filePath(QStringLiteral("page.ini"))));
        RecoveryStore store(root.path());
        const QStringList orphans = store.claim_orphans();
        QCOMPARE(orphans.size(), 1);
        store.remove(orphans.front());
        QCOMPARE(tree(folder).join(" "),
                 QStringLiteral("notes.txt open.12345 owner.abc-ef page.bmpx xopen"));
        QCOMPARE(samples::read(target), QByteArray("precious"));
    }

    // A page kept as a link to a picture elsewhere is not the program's: not offered.
    void a_linked_page_is_not_offered() {
        QTemporaryDir root;
        QTemporaryDir elsewhere;
        const QString picture = elsewhere.filePath(QStringLiteral("photo.bmp"));
        QString error;
        QVERIFY(write_page_file(picture, samples::small_picture(), &error));
        const QString folder = QDir(root.path()).filePath(QStringLiteral("4244-1700000000000-0"));
        QDir().mkpath(folder);
        QVERIFY(QFile::link(picture, QDir(folder).filePath(QStringLiteral("page.bmp"))));
        RecoveryStore store(root.path());
        QVERIFY(store.claim_orphans().isEmpty());
        QVERIFY(QFileInfo::exists(picture));
    }

    // Layout data that is empty, garbage, or a pipe no one writes to: the page is still offered
    // (without holding the start), laid out as its pixels say, untitled.
    void damaged_layout_data_still_offers_the_page_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("empty, as a full disk leaves it") << "empty";
        QTest::newRow("garbage") << "garbage";
        QTest::newRow("missing") << "missing";
        QTest::newRow("a pipe") << "fifo";
        QTest::newRow("a folder") << "folder";
    }
    void damaged_layout_data_still_offers_the_page() {
        QFETCH(QString, damage);
        QTemporaryDir root;
        LayoutModel three;
        three.num_lines = 3;
        three.notes_per_measure = 8;
        three.line_props[2].set_caption(QStringLiteral("Lead"));
        three.recompute_staff_rows();
        PagePicture drawn;
        QString error;
        draw_blank_page(drawn, three, &error);
        const QString folder =
            left_folder(root.path(), QStringLiteral("4245-1700000000000-0"), drawn.image());
        const QString info = QDir(folder).filePath(QStringLiteral("page.ini"));
        if (damage == QLatin1String("empty")) samples::write(info, QByteArray());
        if (damage == QLatin1String("garbage")) samples::write(info, "num_lines=9\n\xff\xfe");
        if (damage == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(info).constData(), 0600), 0);
        if (damage == QLatin1String("folder")) QDir().mkpath(info);
        RecoveryStore store(root.path());
        const QStringList orphans = store.claim_orphans();
        QCOMPARE(orphans.size(), 1);
        QElapsedTimer clock;
        clock.start();
        const std::optional<RecoveryData> data = RecoveryStore::read(orphans.front());
        QVERIFY(clock.elapsed() < 2000);
        QVERIFY(data);
        QCOMPARE(data->page, drawn.image());
        QCOMPARE(data->file_name, QStringLiteral("Untitled"));
        QCOMPARE(data->file_path, QString());
        QCOMPARE(data->model.num_lines, 3);
        QCOMPARE(data->model.notes_per_measure, 8);
        QCOMPARE(data->model.line_props[2].caption, QStringLiteral("Lead    "));
    }

    // The stamp of the page's file goes with the data and comes back; data written before
    // stamps were kept counts its file as changed since.
    void the_file_stamp_comes_back() {
        QTemporaryDir root;
        RecoveryData data{samples::small_picture(60, 30), LayoutModel(), "riff.tab", "/x/riff.tab",
                          FileStamp{true, 7, 99, 1234, 5678}};
        RecoveryStore store(root.path());
        QString error;
        QVERIFY2(store.write(data, &error), qPrintable(error));
        std::optional<RecoveryData> read = RecoveryStore::read(store.folder());
        QVERIFY(read);
        QCOMPARE(read->stamp, data.stamp);
        const QString info = QDir(store.folder()).filePath(QStringLiteral("page.ini"));
        QByteArray old = samples::read(info);
        old.replace("stamp_", "gone_");
        samples::write(info, old);
        read = RecoveryStore::read(store.folder());
        QVERIFY(read);
        QCOMPARE(read->stamp, FileStamp::matching_nothing());
    }

    // A recovery folder that cannot be made says why, and writes nothing.
    void an_unusable_folder_says_why() {
        QTemporaryDir home;
        const QString root = home.filePath(QStringLiteral("recovery"));
        samples::write(root, "a file where the folder should be");
        RecoveryStore store(root);
        QVERIFY(!store.usable());
        QVERIFY(store.problem().contains(root));
        QString error;
        QVERIFY(!store.write(
            RecoveryData{samples::small_picture(), LayoutModel(), "a", "", FileStamp()}, &error));
        QCOMPARE(error, store.problem());
    }
};

QTEST_MAIN(TestRecoveryStore)
#include "test_recovery_store.moc"
