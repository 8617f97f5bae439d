// Every file the program writes goes through one safe write: on a full disk it fails, says so,
// and leaves the old file exactly as it was, with nothing half-written beside it.
#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include "files/page_file.h"
#include "files/safe_write.h"
#include "support/full_disk.h"
#include "support/sample_pictures.h"

using namespace strumix;

namespace {

const QByteArray kOld = "what was saved yesterday";

QStringList files_in(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

}  // namespace

class TestSafeWrite : public QObject {
    Q_OBJECT

private slots:
    void writes_and_replaces() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.txt"));
        samples::write(path, kOld);
        QString error;
        QVERIFY2(write_file_whole(path, QByteArray("new"), &error), qPrintable(error));
        QCOMPARE(samples::read(path), QByteArray("new"));
        QCOMPARE(files_in(dir.path()), QStringList{"a.txt"});
    }

    // The replaced file keeps its permissions, a new one gets the user's (the mask applied), and
    // a link stays a link with the file it leads to replaced.
    void keeps_permissions_and_links() {
        QTemporaryDir dir;
        const QString kept = dir.filePath(QStringLiteral("kept.tab"));
        samples::write(kept, kOld);
        const auto group_read = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                QFile::WriteUser | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(kept, group_read));
        QString error;
        QVERIFY2(write_file_whole(kept, QByteArray("new"), &error), qPrintable(error));
        QCOMPARE(QFile::permissions(kept), group_read);

        const QString usual = dir.filePath(QStringLiteral("usual.txt"));
        samples::write(usual, "as the user's files are");
        const QString fresh = dir.filePath(QStringLiteral("fresh.tab"));
        QVERIFY2(write_file_whole(fresh, QByteArray("new"), &error), qPrintable(error));
        QCOMPARE(QFile::permissions(fresh), QFile::permissions(usual));

        const QString link = dir.filePath(QStringLiteral("link.tab"));
        QVERIFY(QFile::link(kept, link));
        QVERIFY2(write_file_whole(link, QByteArray("through the link"), &error), qPrintable(error));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(samples::read(kept), QByteArray("through the link"));
        QCOMPARE(files_in(dir.path()),
                 (QStringList{"fresh.tab", "kept.tab", "link.tab", "usual.txt"}));

        // A folder in the file's place is refused, and left as it was.
        const QString folder = dir.filePath(QStringLiteral("folder.tab"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(!write_file_whole(folder, QByteArray("new"), &error));
        QVERIFY2(error.contains(QLatin1String("directory")), qPrintable(error));
        QVERIFY(QFileInfo(folder).isDir());
    }

    // Small writes are exactly the ones a buffer would have kept back until the end, where its
    // failure went unseen and an empty file took the old one's place.
    void full_disk_leaves_the_old_file_data() {
        QTest::addColumn<int>("bytes");
        QTest::newRow("a few bytes, all in one buffer's worth") << 100;
        QTest::newRow("more than the disk holds") << 200000;
    }
    void full_disk_leaves_the_old_file() {
        QFETCH(int, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.png"));
        samples::write(path, kOld);
        QString error;
        {
            const FileSizeLimit full(bytes / 2);
            QVERIFY(!write_file_whole(path, QByteArray(bytes, 'x'), &error));
        }
        QVERIFY2(error.contains(QLatin1String("File too large")), qPrintable(error));
        QCOMPARE(samples::read(path), kOld);
        QCOMPARE(files_in(dir.path()), QStringList{"a.png"});
    }

    void a_writer_that_fails_writes_nothing() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.txt"));
        samples::write(path, kOld);
        QString error;
        QVERIFY(!write_file_whole(
            path, [](QIODevice& device) { return device.write("half") == 4 && false; }, &error));
        QCOMPARE(samples::read(path), kOld);
        QCOMPARE(files_in(dir.path()), QStringList{"a.txt"});
    }

    void a_page_on_a_full_disk() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("song.tab"));
        samples::write(path, kOld);
        QString error;
        {
            const FileSizeLimit full(1000);
            QVERIFY(!write_page_file(path, samples::small_picture(200, 100), &error));
        }
        QVERIFY2(error.startsWith(QLatin1String("Cannot save")), qPrintable(error));
        QCOMPARE(samples::read(path), kOld);
        QCOMPARE(files_in(dir.path()), QStringList{"song.tab"});
    }

    // The same on a disk that really is full, not merely limited.
    void a_really_full_disk() {
        if (!small_disks_possible()) QSKIP("no mount namespace to make a small disk in");
        QTemporaryDir dir;
        const QString disk = dir.filePath(QStringLiteral("disk"));
        QDir().mkpath(disk);
        // The old file fills most of the disk: there is no room for its replacement beside it.
        const QStringList command = with_small_disk(
            disk, 64,
            QStringLiteral("head -c 40000 /dev/zero > '%1/old.bin' && '%2' '%1/old.bin' && "
                           "cmp -s -n 40000 /dev/zero '%1/old.bin' && ls -A '%1'")
                .arg(disk, QCoreApplication::applicationFilePath()));
        QProcess run;
        run.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("STRUMIX_WRITE_30000"), QStringLiteral("1"));
        run.setProcessEnvironment(env);
        run.start(command.front(), command.mid(1));
        QVERIFY(run.waitForFinished(20000));
        const QString out = QString::fromUtf8(run.readAllStandardOutput());
        QVERIFY2(run.exitCode() == 0, qPrintable(out + run.readAllStandardError()));
        QVERIFY2(out.contains(QLatin1String("No space left on device")), qPrintable(out));
        QCOMPARE(out.trimmed().split('\n').last(), QStringLiteral("old.bin"));
    }
};

// Run by the test itself inside the small disk: writes 30000 bytes over the file named.
static int write_on_small_disk(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QString error;
    const bool written =
        write_file_whole(QString::fromLocal8Bit(argv[1]), QByteArray(30000, 'y'), &error);
    std::printf("written=%d %s\n", int(written), qPrintable(error));
    return written ? 1 : 0;
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsSet("STRUMIX_WRITE_30000") && argc == 2)
        return write_on_small_disk(argc, argv);
    QCoreApplication app(argc, argv);
    TestSafeWrite test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_safe_write.moc"
