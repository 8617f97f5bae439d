// What keeps a page from being lost or overwritten: the question at Exit, a file changed on
// disk by someone else, another copy of Strumix with the same file, and the recovery data kept
// while the page has unsaved drawing.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <thread>

#include "document/recovery_keeper.h"
#include "document/recovery_store.h"
#include "files/page_file.h"
#include "page/page_font.h"
#include "support/document_session.h"
#include "support/page_cells.h"
#include "support/sample_pictures.h"

using namespace strumix;

namespace {

constexpr char kChanged[] = "Image has been changed. Do you want to save changes?";

// A session whose page belongs to `path`, saved there once.
void save_as(DocumentSession& s, const QString& path) {
    s.documents.on_file = [path](FilePurpose, const QString&) { return std::optional(path); };
    QVERIFY(s.commands.menu_save_as_Click());
    s.documents.on_file = nullptr;
}

}  // namespace

class TestKeepingPages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    // Exit asks when, and only when, something was drawn since the page was created, opened or
    // saved; New still asks by the undo copy, as it always has.
    void exit_asks_only_about_unsaved_drawing() {
        DocumentSession s;
        QVERIFY(s.commands.query_unload());
        s.keys({Qt::Key_5, Qt::Key_Return});
        s.host.answers.push_back(Answer::Cancel);
        QVERIFY(!s.commands.query_unload());
        QCOMPARE(s.host.question_texts(), QStringList{kChanged});
        save_as(s, dir_.filePath(QStringLiteral("exit.tab")));
        s.host.questions.clear();
        QVERIFY(s.commands.query_unload());
        QVERIFY(s.host.questions.empty());
        s.commands.check_save_changes();
        QCOMPARE(s.host.question_texts(), QStringList{kChanged});
        s.host.questions.clear();
        s.keys({Qt::Key_7, Qt::Key_Return});
        s.host.answers.push_back(Answer::Cancel);
        QVERIFY(!s.commands.query_unload());
    }

    // Save over a file another program wrote since: asked first, and No writes nothing.
    void save_asks_before_overwriting_a_changed_file_data() {
        QTest::addColumn<bool>("changed_elsewhere");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("unchanged: written, no question") << false << Answer::No;
        QTest::newRow("changed, No: nothing written") << true << Answer::No;
        QTest::newRow("changed, Yes: written") << true << Answer::Yes;
    }
    void save_asks_before_overwriting_a_changed_file() {
        QFETCH(bool, changed_elsewhere);
        QFETCH(Answer, answer);
        DocumentSession s;
        const QString path = dir_.filePath(QStringLiteral("shared-%1.tab").arg(int(answer)));
        save_as(s, path);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (changed_elsewhere) samples::write(path, "written by another program");
        s.keys({Qt::Key_3, Qt::Key_Return});
        s.host.answers.push_back(answer);
        const bool saved = s.commands.menu_save_Click();
        const bool asked = s.host.question_texts().join(' ').contains("changed by another program");
        QCOMPARE(asked, changed_elsewhere);
        QCOMPARE(saved, !changed_elsewhere || answer == Answer::Yes);
        QCOMPARE(samples::read(path).startsWith("BM"), saved);
    }

    // Each running copy keeps its own folder; a start offers only what a copy that no longer
    // runs left behind, and knows which files the running ones have open.
    void stores_of_several_copies() {
        QTemporaryDir root;
        RecoveryData data{samples::small_picture(60, 30), LayoutModel(), "riff.tab", "/x/riff.tab",
                          FileStamp()};
        data.model.num_lines = 3;
        data.model.line_props[2].set_caption(QStringLiteral("Bass 5"));
        data.model.line_props[2].set_tuning(4, QStringLiteral("B"));
        data.model.recompute_staff_rows();
        QString left_behind;
        {
            RecoveryStore ended(root.path());
            QVERIFY(ended.usable());
            QString error;
            QVERIFY2(ended.write(data, &error), qPrintable(error));
            left_behind = ended.folder();
        }
        RecoveryStore running(root.path());
        running.set_open_file(QStringLiteral("/x/open.tab"));
        RecoveryStore starting(root.path());
        QVERIFY(starting.open_elsewhere(QStringLiteral("/x/open.tab")));
        QVERIFY(!starting.open_elsewhere(QStringLiteral("/x/riff.tab")));
        const QStringList orphans = starting.claim_orphans();
        QCOMPARE(orphans, QStringList{left_behind});
        // Claimed, it is offered to no other start meanwhile.
        RecoveryStore another(root.path());
        QVERIFY(another.claim_orphans().isEmpty());
        const std::optional<RecoveryData> read = RecoveryStore::read(orphans.front());
        QVERIFY(read);
        QCOMPARE(read->page.convertToFormat(QImage::Format_RGB32), data.page);
        QCOMPARE(read->file_name, data.file_name);
        QCOMPARE(read->file_path, data.file_path);
        QCOMPARE(read->model.num_lines, 3);
        QCOMPARE(read->model.line_props[2].caption, QStringLiteral("Bass 5  "));
        QCOMPARE(read->model.line_props[2].tuning[4], QStringLiteral("B "));
        QCOMPARE(read->model.first_row(2), data.model.first_row(2));
        starting.remove(orphans.front());
        QVERIFY(!QFileInfo::exists(left_behind));
    }

    // The keeper writes a while after the first unsaved edit, in the background, and lets go
    // of the data once the page is saved; what it wrote comes back as it was drawn.
    void keeper_writes_and_lets_go() {
        QTemporaryDir root;
        RecoveryStore store(root.path());
        DocumentSession s;
        RecoveryKeeper keeper(s.doc, store, 20);
        QSignalSpy written(&keeper, &RecoveryKeeper::written);
        s.keys({Qt::Key_1, Qt::Key_2, Qt::Key_Return});
        QVERIFY(written.wait(2000));
        QCOMPARE(written.front().front().toBool(), true);
        QVERIFY(store.has_data());
        const std::optional<RecoveryData> data = RecoveryStore::read(store.folder());
        QVERIFY(data);
        QVERIFY(ink_in_cell(data->page, 8, 3) > 4);

        DocumentSession later;
        RecoveryKeeper::recover_into(later.doc, *data);
        QVERIFY(ink_in_cell(later.page().image(), 8, 3) > 4);
        QVERIFY(later.doc.unsaved(Document::Moment::Replacing));
        QVERIFY(later.doc.unsaved(Document::Moment::Ending));

        save_as(s, dir_.filePath(QStringLiteral("kept.tab")));
        QVERIFY(!store.has_data());
    }

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(TestKeepingPages)
#include "test_keeping_pages.moc"
