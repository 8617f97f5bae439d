// Recovery after the program ends without saving, end to end in the program as main() builds
// it: a number is typed, the program is killed or told to end, and the next start offers the
// page back with the number at its cell; No leaves nothing behind.
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "support/full_disk.h"

using namespace Qt::StringLiterals;

namespace {

QStringList run(const QStringList& arguments) {
    QProcess helper;
    helper.start(QStringLiteral(RECOVERY_HELPER), arguments);
    helper.waitForFinished(30000);
    return QString::fromUtf8(helper.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

int ink_of(const QStringList& shown) {
    for (const QString& line : shown)
        if (line.startsWith("ink="_L1)) return line.mid(4).toInt();
    return -1;
}

// A program that types a number, keeps its recovery data (of the page opened from `file`,
// when given) and is killed.
void leave_unsaved_page(const QString& root, const QString& file = QString()) {
    QProcess drawing;
    QStringList arguments{"draw", root, "wait"};
    if (!file.isEmpty()) arguments << file;
    drawing.start(QStringLiteral(RECOVERY_HELPER), arguments);
    QVERIFY(drawing.waitForReadyRead(20000));
    QVERIFY(drawing.readAllStandardOutput().startsWith("written ok=1"));
    drawing.kill();
    QVERIFY(drawing.waitForFinished(20000));
}

int page_folders(const QString& root) {
    QDirIterator it(root, {QStringLiteral("page.bmp")}, QDir::Files, QDirIterator::Subdirectories);
    int found = 0;
    while (it.hasNext()) {
        it.next();
        ++found;
    }
    return found;
}

bool any_page_data(const QString& root) {
    QDirIterator it(root, {QStringLiteral("page.*")}, QDir::Files, QDirIterator::Subdirectories);
    return it.hasNext();
}

}  // namespace

class TestRecovery : public QObject {
    Q_OBJECT

private slots:
    void page_comes_back_data() {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QString>("answer");
        QTest::newRow("kill -9 after the data is written, Yes") << "kill"
                                                                << "yes";
        QTest::newRow("SIGTERM, Yes") << "term"
                                      << "yes";
        QTest::newRow("SIGHUP, No") << "hup"
                                    << "no";
    }
    void page_comes_back() {
        QFETCH(QString, ending);
        QFETCH(QString, answer);
        QTemporaryDir root;
        QProcess drawing;
        drawing.start(QStringLiteral(RECOVERY_HELPER),
                      {"draw", root.path(), ending == "kill"_L1 ? "wait" : "now"});
        QVERIFY(drawing.waitForReadyRead(20000));
        const QByteArray said = drawing.readAllStandardOutput();
        QVERIFY2(said.startsWith(ending == "kill"_L1 ? "written" : "drawn"), said.constData());
        if (ending == "kill"_L1) {
            drawing.kill();
        } else {
            ::kill(pid_t(drawing.processId()), ending == "term"_L1 ? SIGTERM : SIGHUP);
        }
        QVERIFY(drawing.waitForFinished(20000));
        if (ending != "kill"_L1) {
            // Ended by the signal's own handling, on purpose: not by the signal itself.
            QCOMPARE(drawing.exitStatus(), QProcess::NormalExit);
            QCOMPARE(drawing.exitCode(), 128 + (ending == "term"_L1 ? SIGTERM : SIGHUP));
        }
        QVERIFY(any_page_data(root.path()));

        const QStringList shown = run({"start", root.path(), answer});
        QVERIFY2(shown.contains("questions=1"), qPrintable(shown.join(' ')));
        QVERIFY(shown.contains("title=Strumix 95 v1.0a"));
        int ink = 0;
        for (const QString& line : shown)
            if (line.startsWith("ink="_L1)) ink = line.mid(4).toInt();
        if (answer == "yes"_L1) {
            QVERIFY2(ink > 4, qPrintable(shown.join(' ')));
            QVERIFY(shown.contains("changed=1"));
            return;
        }
        QCOMPARE(ink, 0);
        QVERIFY(!any_page_data(root.path()));
        // Nothing left to offer the start after.
        QVERIFY(run({"start", root.path(), "yes"}).contains("questions=0"));
    }

    // Ended while the recovery question is open (a logout): the question counts for nothing,
    // every page waiting stays, and the next start offers them again.
    void ended_while_asking_keeps_every_page_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void ended_while_asking_keeps_every_page() {
        QFETCH(int, signal);
        QTemporaryDir root;
        for (int i = 0; i < 2; ++i) leave_unsaved_page(root.path());
        QCOMPARE(page_folders(root.path()), 2);
        QProcess asking;
        asking.start(QStringLiteral(RECOVERY_HELPER), {"start", root.path(), "ask"});
        QVERIFY(asking.waitForReadyRead(20000));
        QCOMPARE(asking.readAllStandardOutput(), QByteArray("asking\n"));
        ::kill(pid_t(asking.processId()), signal);
        QVERIFY(asking.waitForFinished(20000));
        QCOMPARE(asking.exitCode(), 128 + signal);
        QCOMPARE(page_folders(root.path()), 2);
        const QStringList shown = run({"start", root.path(), "yes"});
        QVERIFY2(shown.contains("questions=1"), qPrintable(shown.join(' ')));
        QVERIFY(ink_of(shown) > 4);
    }

    // A disk with room for the page but not for its layout beside it: the page is whole, and
    // the next start still offers it.
    void page_kept_on_a_disk_that_filled_up() {
        if (!small_disks_possible()) QSKIP("no mount namespace to make a small disk in");
        QTemporaryDir work;
        const QString disk = work.filePath(QStringLiteral("disk"));
        const QString kept = work.filePath(QStringLiteral("kept"));
        QDir().mkpath(disk);
        QDir().mkpath(kept);
        // The start-up page's bitmap takes 91 pages of memory on the small disk: exactly all.
        const QString script =
            QStringLiteral(
                "'%1' draw '%2' wait > '%3/said' 2>/dev/null & pid=$!; i=0; "
                "until grep -q written '%3/said'; do sleep 0.05; i=$((i+1)); "
                "[ $i -gt 400 ] && break; done; kill -9 $pid; cat '%3/said'; cp -a '%2/.' '%3/'")
                .arg(QStringLiteral(RECOVERY_HELPER), disk, kept);
        const QStringList command = with_small_disk(disk, 364, script);
        QProcess crash;
        crash.start(command.front(), command.mid(1));
        QVERIFY(crash.waitForFinished(30000));
        const QByteArray said = crash.readAllStandardOutput();
        QVERIFY2(said.startsWith("written ok=0"), said.constData());
        const QStringList shown = run({"start", kept, "yes"});
        QVERIFY2(shown.contains("questions=1"), qPrintable(shown.join(' ')));
        QVERIFY(ink_of(shown) > 4);
    }

    // A page recovered after a crash still knows its file as it was: saving over the file,
    // which another program changed in the meantime, asks first, and No leaves it as it is.
    void recovered_page_asks_before_overwriting_a_changed_file() {
        QTemporaryDir root;
        const QString file = QDir(root.path()).filePath(QStringLiteral("song.tab"));
        {
            QProcess make;
            make.start(QStringLiteral(RECOVERY_HELPER), {"start", root.path(), "no"});
            QVERIFY(make.waitForFinished(20000));
        }
        QImage white(484, 256, QImage::Format_RGB32);
        white.fill(Qt::white);
        QVERIFY(white.save(file, "BMP"));
        const QString recovery = QDir(root.path()).filePath(QStringLiteral("recovery"));
        leave_unsaved_page(recovery, file);
        QThread::msleep(20);
        {
            QFile other(file);
            QVERIFY(other.open(QIODevice::WriteOnly));
            other.write("written by another program");
        }
        const QStringList shown = run({"start", recovery, "yes", "save"});
        QVERIFY2(shown.contains("question=\"" + file +
                                "\" was changed by another program since Strumix opened or "
                                "saved it. Do you want to overwrite it?"),
                 qPrintable(shown.join('\n')));
        QFile other(file);
        QVERIFY(other.open(QIODevice::ReadOnly));
        QCOMPARE(other.readAll(), QByteArray("written by another program"));
    }

    // A clean exit leaves nothing to recover.
    void nothing_is_offered_after_nothing_was_drawn() {
        QTemporaryDir root;
        QVERIFY(run({"start", root.path(), "yes"}).contains("questions=0"));
        QVERIFY(run({"start", root.path(), "yes"}).contains("questions=0"));
        QVERIFY(QDir(root.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
    }
};

QTEST_MAIN(TestRecovery)
#include "test_recovery.moc"
