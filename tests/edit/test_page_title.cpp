// Insert, "&Page Title": what the input box asks, where and how the title lands on the page,
// and that Cancel or an empty answer leaves the page alone.
#include <QtTest>

#include "support/editor_session.h"

#include "page/page_font.h"
#include "support/fake_host.h"

using namespace strumix;

namespace {

bool is_black(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

// The rectangle of pixels that are black in `after` but not in `before`.
QRect new_ink(const QImage& before, const QImage& after) {
    QRect ink;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (is_black(after, x, y) && !is_black(before, x, y)) ink |= QRect(x, y, 1, 1);
    return ink;
}

int black_count(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += is_black(image, x, y);
    return count;
}

}  // namespace

class PageTitleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    void title_is_printed_bold_underlined_at_one_zero_data();
    void title_is_printed_bold_underlined_at_one_zero();
    void cancel_or_empty_draws_nothing_data();
    void cancel_or_empty_draws_nothing();
};

void PageTitleTest::title_is_printed_bold_underlined_at_one_zero_data() {
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("left_px");  // where (1, 0) lies in the tool's unit
    QTest::newRow("number entry: column 1 of row 0") << int(PageUnit::Characters) << 8;
    QTest::newRow("erase or symbol: one pixel in") << int(PageUnit::Pixels) << 1;
    QTest::newRow("slur: one twip in") << int(PageUnit::Twips) << 0;
}

void PageTitleTest::title_is_printed_bold_underlined_at_one_zero() {
    QFETCH(int, scale);
    QFETCH(int, left_px);
    EditorSession s;
    FakeHost& host = s.host;
    // The unit is the tool's: a symbol carried off elsewhere leaves pixels, the slurs twips.
    const PageUnit unit = static_cast<PageUnit>(scale);
    if (unit == PageUnit::Pixels) {
        s.tools.btn_bend_Click(0);
        s.tools.drop_elsewhere();
    }
    if (unit == PageUnit::Twips) s.tools.pic_tool_Click(0);
    QCOMPARE(s.tools.unit(), unit);
    const Picture undo_copy = s.doc.undo_copy();
    const Picture committed = s.page().picture();
    const QImage before = s.page().image();
    host.inputs.push_back(QStringLiteral("Guitar Riff"));

    s.tools.mnu_title_Click();

    QCOMPARE(host.questions.size(), size_t(1));
    QCOMPARE(host.questions[0].text,
             QStringLiteral("Please enter the text for the page title you want."));
    QCOMPARE(host.questions[0].title, QStringLiteral("Insert Title"));
    QCOMPARE(host.input_defaults.at(0), QStringLiteral("Guitar Riff"));

    const QImage& after = s.page().image();
    const QRect ink = new_ink(before, after);
    QVERIFY(!ink.isEmpty());
    // Inside the top text row, starting at the position's column.
    QVERIFY2(ink.top() >= 0 && ink.bottom() < 16,
             qPrintable(QStringLiteral("rows %1-%2").arg(ink.top()).arg(ink.bottom())));
    QVERIFY2(ink.left() >= left_px && ink.left() <= left_px + 2,
             qPrintable(QStringLiteral("first column %1").arg(ink.left())));

    // The underline: one row of new ink running under nearly the whole title.
    int longest = 0;
    for (int y = ink.top(); y <= ink.bottom(); ++y) {
        int run = 0;
        for (int x = ink.left(); x <= ink.right(); ++x) {
            run = is_black(after, x, y) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    QVERIFY2(longest >= ink.width() * 9 / 10,
             qPrintable(QStringLiteral("longest run %1 of %2").arg(longest).arg(ink.width())));

    // Bold: heavier than the same words in the regular page font at the same place.
    PagePicture regular;
    QString error;
    QVERIFY(regular.resize(after.size(), &error));
    regular.draw(
        [&](PageDrawing& d) { d.text(pixel_at(1, 0, unit), QStringLiteral("Guitar Riff")); });
    const QRect regular_ink = new_ink(QImage(after.size(), after.format()), regular.image());
    QVERIFY(black_count(after, ink) > black_count(regular.image(), regular_ink) * 5 / 4);

    // No undo copy and no commit.
    QVERIFY(s.doc.undo_copy() == undo_copy);
    QVERIFY(s.page().picture() == committed);
    QVERIFY(!s.undo_copy_differs());
}

void PageTitleTest::cancel_or_empty_draws_nothing_data() {
    QTest::addColumn<bool>("cancelled");
    QTest::newRow("Cancel") << true;
    QTest::newRow("empty answer") << false;
}

void PageTitleTest::cancel_or_empty_draws_nothing() {
    QFETCH(bool, cancelled);
    EditorSession s;
    FakeHost& host = s.host;
    const QImage before = s.page().image();
    const Picture undo_copy = s.doc.undo_copy();
    if (cancelled) {
        host.inputs.push_back(std::nullopt);
    } else {
        host.inputs.push_back(QString());
    }
    QSignalSpy changed(&s.page(), &PagePicture::changed);

    s.tools.mnu_title_Click();

    QCOMPARE(host.questions.size(), size_t(1));
    QCOMPARE(changed.count(), 0);
    QVERIFY(s.page().image() == before);
    QVERIFY(s.doc.undo_copy() == undo_copy);
}

QTEST_MAIN(PageTitleTest)
#include "test_page_title.moc"
