#include <QRandomGenerator>
#include <QTest>
#include <optional>

#include "notes_drawing/page_marks.h"
#include "notes_drawing/slur_places.h"
#include "page/page_picture.h"
#include "page/page_renderer.h"

using namespace strumix;

namespace {

bool dark(const QImage& image, QPoint p) { return qGray(image.pixel(p)) < 128; }

bool is_mark(const QImage& page, const QImage& blank, QPoint p) {
    return page.rect().contains(p) && dark(page, p) && !dark(blank, p);
}

CellPlace cell(int string, int note) {
    CellPlace place;
    place.column = {0, 0, note};
    place.string = string;
    return place;
}

// The slow way the slur tools' drags were once tried: each one drawn on a white page, and its
// dark pixels beside a mark counted, pixel by pixel from the images.
SlurDrag drawn_search(const QImage& page, const QImage& numbers, const QImage& blank,
                      const LayoutModel& layout, const Slur& slur, int index) {
    const QPoint from = layout.note_cell(0, slur.from.string, 0, slur.from.column.note).topLeft();
    const QPoint to = layout.note_cell(0, slur.to.string, 0, slur.to.column.note).topLeft();
    const QRect ends = QRect(from, QSize(16, 16)).united(QRect(to.x(), from.y(), 16, 16));
    std::optional<SlurDrag> best;
    int best_touching = 0;
    for (int y : {5, 6, 7, 8, 9})
        for (int press_x : {6, 4, 8})
            for (int release_x : {6, 4, 8}) {
                const SlurDrag drag =
                    slur_drag(from + QPoint(press_x, y), to.x() + release_x, index);
                QImage scratch(page.size(), QImage::Format_RGB32);
                scratch.fill(Qt::white);
                QRect around;
                {
                    PageDrawing trial(scratch);
                    draw_slur(trial, drag, slur, index);
                    around = trial.touched().adjusted(-10, -10, 10, 10) & scratch.rect();
                }
                int touching = 0;
                for (int py = around.top(); py <= around.bottom(); ++py)
                    for (int px = around.left(); px <= around.right(); ++px) {
                        if (!dark(scratch, QPoint(px, py))) continue;
                        bool near = false;
                        for (int dy = -1; dy <= 1; ++dy)
                            for (int dx = -1; dx <= 1; ++dx) {
                                const QPoint p(px + dx, py + dy);
                                near = near || (is_mark(page, blank, p) &&
                                                !(ends.contains(p) && is_mark(numbers, blank, p)));
                            }
                        touching += near;
                    }
                if (!best || touching < best_touching) {
                    best = drag;
                    best_touching = touching;
                }
                if (touching == 0) return drag;
            }
    return *best;
}

}  // namespace

class TestSlurPlaces : public QObject {
    Q_OBJECT

private slots:
    void marks_are_ink_off_the_blank_lines() {
        LayoutModel layout;
        layout.fill_defaults();
        PagePicture picture;
        QVERIFY(draw_blank_page(picture, layout, nullptr));
        const QImage blank = picture.image();
        const QRect at = layout.note_cell(0, 2, 0, 3);
        picture.draw([&](PageDrawing& d) { d.text(at.topLeft(), QStringLiteral("7")); });
        PageMarks marks(picture.image(), blank);
        const int line_y = layout.string_line_y_pixels(0, 4);
        // A string's line is the blank page's, not a mark; a figure on it is.
        QVERIFY(!marks.mark(at.left() - 20, line_y));
        int inked = 0;
        for (int y = at.top(); y <= at.bottom(); ++y)
            for (int x = at.left(); x <= at.right(); ++x) inked += marks.mark(x, y);
        QVERIFY(inked > 5);
        // Beside a mark counts as near; two pixels off does not.
        QPoint ink;
        for (int y = at.top(); y <= at.bottom() && ink.isNull(); ++y)
            for (int x = at.left(); x <= at.right() && ink.isNull(); ++x)
                if (marks.mark(x, y)) ink = QPoint(x, y);
        QVERIFY(marks.near(ink.x() - 1, ink.y()));
        QVERIFY(!marks.near(at.left() - 3, at.top() - 3));
        // Ink added without drawing counts from then on; off the page is ignored.
        marks.add({QPoint(0, 0), QPoint(-5, -5)}, QPoint(2, 2));
        QVERIFY(marks.mark(2, 2) && marks.near(3, 3) && !marks.mark(-3, -3));
    }

    void slurs_go_where_drawing_each_try_would_put_them() {
        // A crowded staff: numbers in most cells, then slurs one after another, each placed by
        // footprints and by drawing every try; both choose the same drag, and the drags that
        // the search calls clear touch nothing when drawn.
        LayoutModel layout;
        layout.fill_defaults();
        PagePicture picture;
        QVERIFY(draw_blank_page(picture, layout, nullptr));
        const QImage blank = picture.image();
        QRandomGenerator random(20261210u);
        picture.draw([&](PageDrawing& d) {
            for (int string = 0; string < layout.num_strings(0); ++string)
                for (int note = 0; note < layout.notes_per_measure; ++note)
                    if (random.bounded(4) != 0)
                        d.text(layout.note_cell(0, string, 0, note).topLeft(),
                               QString::number(random.bounded(25)));
        });
        const QImage numbers = picture.image();
        PageMarks marks(numbers, blank);
        SlurPlaces places(marks, layout);
        const SlurKind kinds[] = {SlurKind::Hammer, SlurKind::PullOff, SlurKind::HammerPull,
                                  SlurKind::Slide};
        const int indexes[] = {0, 1, kHammerPullIndex, 3};
        for (int i = 0; i < 24; ++i) {
            Slur slur;
            const int k = int(random.bounded(4));
            slur.kind = kinds[k];
            slur.letter = true;
            const int string = int(random.bounded(layout.num_strings(0)));
            const int note = int(random.bounded(layout.notes_per_measure - 3));
            slur.from = cell(string, note);
            slur.to = cell(string, note + 1 + int(random.bounded(3)));
            const SlurDrag fast = places.place(slur, indexes[k]);
            const SlurDrag slow =
                drawn_search(picture.image(), numbers, blank, layout, slur, indexes[k]);
            QCOMPARE(fast.y, slow.y);
            QCOMPARE(fast.arc.mid_x, slow.arc.mid_x);
            QCOMPARE(fast.arc.half_span, slow.arc.half_span);
            QRect drawn;
            picture.draw([&](PageDrawing& d) {
                draw_slur(d, fast, slur, indexes[k]);
                drawn = d.touched();
            });
            marks.drawn(picture.image(), drawn);
        }
    }
};

QTEST_MAIN(TestSlurPlaces)
#include "test_slur_places.moc"
