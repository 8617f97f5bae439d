#include <unistd.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "support/sample_pictures.h"

// Saving and opening where the file system says no, run as an ordinary user: as root every
// file is writable, so the helper drops to "nobody" first.
class TestFilePermissions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void failed_save_leaves_everything_data();
    void failed_save_leaves_everything();
    void unreadable_file_is_reported();
    void start_folder_data();
    void start_folder();

private:
    struct Outcome {
        QStringList messages;
        QStringList questions;
        QMap<QString, QString> values;
    };
    Outcome run(const QStringList& arguments);
    QString make_folder(const QString& name, QFile::Permissions permissions);

    QTemporaryDir base_;
    QStringList prefix_;
};

namespace {
constexpr QFile::Permissions kOpen = QFile::Permissions(0x7777);
constexpr QFile::Permissions kReadOnlyFolder = QFile::ReadOwner | QFile::ExeOwner |
                                               QFile::ReadGroup | QFile::ExeGroup |
                                               QFile::ReadOther | QFile::ExeOther;
constexpr QFile::Permissions kReadOnlyFile = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
constexpr QFile::Permissions kWritableFile = QFile::Permissions(0x6666);
const QByteArray kOldPage = "the page saved yesterday";
}  // namespace

void TestFilePermissions::initTestCase() {
    if (geteuid() == 0) {
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (setpriv.isEmpty()) QSKIP("running as root without setpriv to become an ordinary user");
        prefix_ = {setpriv, "--reuid=65534", "--regid=65534", "--clear-groups", "--"};
    }
    QVERIFY(QFile::setPermissions(base_.path(), kOpen));
    make_folder(QStringLiteral("home"), kOpen);
}

QString TestFilePermissions::make_folder(const QString& name, QFile::Permissions permissions) {
    const QString folder = base_.filePath(name);
    QDir().mkpath(folder);
    QFile::setPermissions(folder, permissions);
    return folder;
}

TestFilePermissions::Outcome TestFilePermissions::run(const QStringList& arguments) {
    QProcess helper;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), base_.filePath(QStringLiteral("home")));
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    helper.setProcessEnvironment(env);
    const QStringList command =
        prefix_ + QStringList{QStringLiteral(FILE_GUARD_HELPER)} + arguments;
    helper.start(command.front(), command.mid(1));
    helper.waitForFinished(-1);
    Outcome outcome;
    const QString output = QString::fromUtf8(helper.readAllStandardOutput());
    for (const QString& line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString key = line.section(QLatin1Char('='), 0, 0);
        const QString value = line.section(QLatin1Char('='), 1);
        if (key == QLatin1String("message"))
            outcome.messages << value;
        else if (key == QLatin1String("question"))
            outcome.questions << value;
        else
            outcome.values.insert(key, value);
    }
    if (helper.exitCode() != 0) qWarning() << helper.readAllStandardError();
    return outcome;
}

void TestFilePermissions::failed_save_leaves_everything_data() {
    QTest::addColumn<QString>("case_name");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");
    QTest::newRow("read-only folder, Save As")
        << "locked" << QStringList{"--yes", "save-as", "FOLDER", "song.tab"} << "ermission denied";
    QTest::newRow("read-only folder, Save")
        << "locked" << QStringList{"save", "FOLDER/song.tab"} << "ermission denied";
    QTest::newRow("read-only file, Save")
        << "readonly" << QStringList{"save", "FOLDER/song.tab"} << "not writable";
    QTest::newRow("read-only file, Save As")
        << "readonly" << QStringList{"--yes", "save-as", "FOLDER", "song.tab"} << "not writable";
    QTest::newRow("disk full, Save")
        << "full" << QStringList{"--fsize", "3000", "save", "FOLDER/song.tab"} << "File too large";
    QTest::newRow("disk full, Save As")
        << "full2" << QStringList{"--fsize", "3000", "--yes", "save-as", "FOLDER", "song.tab"}
        << "File too large";
}

void TestFilePermissions::failed_save_leaves_everything() {
    QFETCH(QString, case_name);
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    const QString folder = make_folder(case_name, kOpen);
    const QString old_file = QDir(folder).filePath(QStringLiteral("song.tab"));
    samples::write(old_file, kOldPage);
    QFile::setPermissions(old_file, kWritableFile);
    if (case_name == QLatin1String("locked")) QFile::setPermissions(folder, kReadOnlyFolder);
    if (case_name == QLatin1String("readonly")) QFile::setPermissions(old_file, kReadOnlyFile);
    for (QString& argument : arguments) argument.replace(QLatin1String("FOLDER"), folder);

    const Outcome outcome = run(arguments);

    QCOMPARE(outcome.messages.size(), arguments.contains("save") ? 2 : 1);
    QVERIFY2(outcome.messages.back().startsWith(QLatin1String("Strumix 95 v1.0a|")),
             qPrintable(outcome.messages.back()));
    QVERIFY2(outcome.messages.back().contains(reason), qPrintable(outcome.messages.back()));
    QCOMPARE(samples::read(old_file), kOldPage);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"song.tab"});
    QCOMPARE(outcome.values.value("done"), QStringLiteral("0"));
    QCOMPARE(outcome.values.value("changed"), QStringLiteral("1"));
    if (arguments.contains("save")) {
        QCOMPARE(outcome.values.value("file_path"), old_file);
        QCOMPARE(outcome.values.value("caption"), QStringLiteral("Strumix 95 v1.0a [song.tab]"));
    } else {
        QCOMPARE(outcome.questions,
                 QStringList{QStringLiteral("Filename exists. Do you want to replace it?")});
        // The file window comes back, as it was, for another name.
        QCOMPARE(outcome.values.value("window_back"), QStringLiteral("1"));
        QCOMPARE(outcome.values.value("file_name"), QStringLiteral("Untitled"));
        QCOMPARE(outcome.values.value("file_path"), QString());
        QCOMPARE(outcome.values.value("caption"), QStringLiteral("Strumix 95 v1.0a [Untitled]"));
    }
}

void TestFilePermissions::unreadable_file_is_reported() {
    const QString folder = make_folder(QStringLiteral("secret"), kOpen);
    const QString file = QDir(folder).filePath(QStringLiteral("song.tab"));
    samples::write(file, samples::encoded(samples::small_picture(), "BMP"));
    QFile::setPermissions(file, QFile::Permissions());
    const Outcome outcome = run({"open", folder, "song.tab"});
    QVERIFY(!outcome.messages.isEmpty());
    QVERIFY2(outcome.messages.front().contains(QLatin1String("ermission denied")),
             qPrintable(outcome.messages.front()));
    QCOMPARE(outcome.values.value("window_back"), QStringLiteral("1"));
    QCOMPARE(outcome.values.value("file_name"), QStringLiteral("Untitled"));
    QCOMPARE(outcome.values.value("caption"), QStringLiteral("Strumix 95 v1.0a [Untitled]"));
}

void TestFilePermissions::start_folder_data() {
    QTest::addColumn<bool>("writable");
    QTest::newRow("program folder writable") << true;
    QTest::newRow("installed program folder") << false;
}

void TestFilePermissions::start_folder() {
    QFETCH(bool, writable);
    const QString program =
        make_folder(writable ? "program" : "installed", writable ? kOpen : kReadOnlyFolder);
    const Outcome outcome = run({"start", program});
    QCOMPARE(outcome.values.value("start"),
             writable ? program : base_.filePath(QStringLiteral("home")));
}

QTEST_MAIN(TestFilePermissions)
#include "test_file_permissions.moc"
