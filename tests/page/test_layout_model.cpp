#include <QtTest>

#include "page/layout_model.h"

using namespace strumix;

class TestLayoutModel : public QObject {
    Q_OBJECT

private slots:
    void startup_layout() {
        const LayoutModel model;
        QCOMPARE(model.num_lines, 2);
        QCOMPARE(model.measures_across, 1);
        QCOMPARE(model.notes_per_measure, 16);
        QCOMPARE(model.line_props[0].caption, QStringLiteral("Guitar  "));
        QCOMPARE(model.line_props[1].caption, QStringLiteral("Bass    "));
        QCOMPARE(model.first_row(0), 3);
        QCOMPARE(model.last_row(0), 8);
        QCOMPARE(model.first_row(1), 11);
        QCOMPARE(model.last_row(1), 14);
        const QStringList guitar = {"e ", "B ", "G ", "D ", "A ", "E ", "B ", "G ", "D ", "A "};
        const QStringList bass = {"G ", "D ", "A ", "E ", "  ", "  ", "  ", "  ", "  ", "  "};
        for (int s = 0; s < kMaxStrings; ++s) {
            QCOMPARE(model.line_props[0].tuning[s], guitar[s]);
            QCOMPARE(model.line_props[1].tuning[s], bass[s]);
            for (int i = 2; i < 7; ++i) QCOMPARE(model.line_props[i].tuning[s], guitar[s]);
        }
        QCOMPARE(model.measure_width(), 50);
        QCOMPARE(model.measure_left(0), 6.5);
        QCOMPARE(model.measure_right(0), 56.5);
        QCOMPARE(model.page_width_columns(), 60.5);
        QCOMPARE(model.page_height_rows(), 16);
        QCOMPARE(model.page_size_pixels(), QSize(484, 256));
    }

    void six_ten_string_staffs() {
        LayoutModel model;
        model.num_lines = 6;
        for (auto& staff : model.line_props) staff.num_strings = 10;
        model.recompute_staff_rows();
        const int first[6] = {3, 15, 27, 39, 51, 63};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(model.first_row(i), first[i]);
            QCOMPARE(model.last_row(i), first[i] + 9);
        }
        QCOMPARE(model.page_height_rows(), 74);
        model.measures_across = 4;
        model.notes_per_measure = 52;
        // The largest page the layout dialog offers.
        QCOMPARE(model.page_width_columns(), 645.5);
        QCOMPARE(model.page_size_pixels(), QSize(5164, 1184));
    }

    void fewer_strings_move_later_staffs_up() {
        LayoutModel model;
        model.num_lines = 3;
        const int before = model.first_row(1);
        const int before_third = model.first_row(2);
        model.line_props[0].num_strings = 4;
        model.recompute_staff_rows();
        QCOMPARE(model.first_row(1), before - 2);
        QCOMPARE(model.first_row(2), before_third - 2);
        QCOMPARE(model.last_row(0), 6);
    }

    void rows_assigned_beyond_num_lines() {
        LayoutModel model;
        model.num_lines = 1;
        model.recompute_staff_rows();
        // Staffs that are not drawn still get their rows, so raising num_lines needs only a redraw.
        QCOMPARE(model.first_row(5), model.last_row(4) + 3);
        QCOMPARE(model.page_height_rows(), 2 + 6 + 2);
        model.num_lines = 6;
        QCOMPARE(model.page_height_rows(), 2 + (6 + 2) + (4 + 2) + 4 * (6 + 2));
    }

    void fixed_width_fields_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tuning");
        QTest::newRow("short") << "Bass"
                               << "Bass    "
                               << "Ba";
        QTest::newRow("exact") << "12345678"
                               << "12345678"
                               << "12";
        QTest::newRow("long") << "Acoustic Guitar"
                              << "Acoustic"
                              << "Ac";
        QTest::newRow("empty") << ""
                               << "        "
                               << "  ";
        QTest::newRow("one") << "e"
                             << "e       "
                             << "e ";
    }
    void fixed_width_fields() {
        QFETCH(QString, typed);
        QFETCH(QString, caption);
        QFETCH(QString, tuning);
        LineProps staff;
        staff.set_caption(typed);
        staff.set_tuning(3, typed);
        QCOMPARE(staff.caption, caption);
        QCOMPARE(staff.tuning[3], tuning);
    }

    void note_cells_data() {
        QTest::addColumn<int>("notes");
        QTest::addColumn<int>("measure");
        QTest::addColumn<int>("note");
        QTest::addColumn<int>("column");
        QTest::newRow("first") << 16 << 0 << 0 << 8;
        QTest::newRow("last of measure 0") << 16 << 0 << 15 << 53;
        QTest::newRow("first of measure 1") << 16 << 1 << 0 << 58;
        QTest::newRow("one note, measure 3") << 1 << 3 << 0 << 23;
        QTest::newRow("52 notes, measure 3 last") << 52 << 3 << 51 << 8 + 3 * 158 + 153;
    }
    void note_cells() {
        QFETCH(int, notes);
        QFETCH(int, measure);
        QFETCH(int, note);
        QFETCH(int, column);
        LayoutModel model;
        model.notes_per_measure = notes;
        model.measures_across = 4;
        QCOMPARE(model.note_column(measure, note), column);
        // The note cell lies inside its measure, clear of both bar lines.
        QVERIFY(column > model.measure_left(measure));
        QVERIFY(column + 2 < model.measure_right(measure));
    }
};

QTEST_GUILESS_MAIN(TestLayoutModel)
#include "test_layout_model.moc"
