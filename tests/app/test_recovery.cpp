// Recovery after the program ends without saving, end to end in the program as main() builds
// it: a number is typed, the program is killed or told to end, and the next start offers the
// page back with the number at its cell; No leaves nothing behind.
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

using namespace Qt::StringLiterals;

namespace {

QStringList run(const QStringList& arguments) {
    QProcess helper;
    helper.start(QStringLiteral(RECOVERY_HELPER), arguments);
    helper.waitForFinished(30000);
    return QString::fromUtf8(helper.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
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
