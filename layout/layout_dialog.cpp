#include "layout/layout_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "document/questions.h"
#include "page/glyphs.h"
#include "page/page_font.h"
#include "page/page_geometry.h"
#include "page/program_facts.h"
#include "widgets/panels.h"

namespace strumix {

namespace {

int px(int twips) { return twips_to_pixels(twips); }

void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twips_rect(left, top, width, height));
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

// Controls write in black on the dialog's grey; only the form itself has the dark grey fore
// colour.
void black_text(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                 int width, int height) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    place(box, left, top, width, height);
    black_text(box);
    return box;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                    int width, int height) {
    auto* push = new QPushButton(caption, parent);
    push->setObjectName(name);
    // Enter belongs to the text boxes: no button of the dialog is pressed by it.
    push->setAutoDefault(false);
    push->setDefault(false);
    place(push, left, top, width, height);
    return push;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, int left, int top,
              int width, int height) {
    auto* caption = new QLabel(text, parent);
    caption->setObjectName(name);
    place(caption, left, top, width, height);
    black_text(caption);
    return caption;
}

QLineEdit* text_box(QWidget* parent, const QString& name, int max_length, int left, int top,
                    int width, int height) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(max_length);
    place(box, left, top, width, height);
    return box;
}

QScrollBar* hscroll(QWidget* parent, const QString& name, int minimum, int maximum, int large,
                    int left, int top, int width, int height) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(large);
    bar->setValue(minimum);
    place(bar, left, top, width, height);
    return bar;
}

}  // namespace

LayoutDialog::LayoutDialog(Questions& questions, const LayoutModel& initial, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      questions_(questions) {
    setObjectName(QStringLiteral("layout"));
    setWindowTitle(QCoreApplication::translate("LayoutDialog", kLayoutDesignCaption));
    setWindowIcon(program_icon(QStringLiteral(":/icons/layout.png")));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(px(4170), px(2910));
    QFont font = page_font();
    font.setStyleStrategy(QFont::PreferDefault);
    setFont(font);
    fill_background(this, kPanelGrey);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    setPalette(palette);

    create_notes_frame();
    create_across_frame();
    create_staffs_frame();
    create_buttons();
    create_props_panel();
    set_help_context(this, kHelpLayoutDialog);
    load(initial);
}

void LayoutDialog::create_notes_frame() {
    QGroupBox* notes = frame(this, indexed("SSFrame1", 2),
                             QCoreApplication::translate("LayoutDialog", "Notes In Measure"), 120,
                             150, 1725, 1035);
    HScroll1_ =
        hscroll(notes, QStringLiteral("HScroll1"), 1, kMaxNotesPerMeasure, 4, 150, 300, 1065, 285);
    box_notes_per_meas_ =
        text_box(notes, QStringLiteral("box_notes_per_meas"), 2, 1230, 300, 375, 285);
    box_notes_per_meas_->setText(QString::fromLatin1(kDefaultNotesText));
    box_notes_per_meas_->installEventFilter(this);
    QPushButton* info =
        button(notes, QStringLiteral("Command1"),
               QCoreApplication::translate("LayoutDialog", "&Info"), 150, 630, 1455, 285);
    connect(HScroll1_, &QScrollBar::valueChanged, this, &LayoutDialog::HScroll1_Change);
    connect(info, &QPushButton::clicked, this, &LayoutDialog::Command1_Click);
}

void LayoutDialog::create_across_frame() {
    QGroupBox* across = frame(this, indexed("SSFrame1", 0),
                              QCoreApplication::translate("LayoutDialog", "Measures Across"), 120,
                              1320, 1725, 1035);
    const int lefts[kMaxMeasuresAcross] = {200, 200, 1065, 1065};
    const int tops[kMaxMeasuresAcross] = {300, 600, 300, 600};
    for (int i = 0; i < kMaxMeasuresAcross; ++i) {
        auto* option = new QRadioButton(QString::number(i + 1), across);
        option->setObjectName(indexed("across", i));
        place(option, lefts[i], tops[i], 450, 285);
        black_text(option);
        across_[i] = option;
    }
}

void LayoutDialog::create_staffs_frame() {
    QGroupBox* staffs =
        frame(this, indexed("SSFrame1", 1),
              QCoreApplication::translate("LayoutDialog", "Music Staffs "), 1920, 150, 1725, 2205);
    for (int i = 0; i < kMaxStaffs; ++i) {
        auto* option = new QRadioButton(QString::number(i + 1), staffs);
        option->setObjectName(indexed("lines", i));
        place(option, 200, 300 + 300 * i, 525, 285);
        black_text(option);
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) lines_Click(i);
        });
        lines_[i] = option;
        Command2_[i] = button(staffs, indexed("Command2", i),
                              QCoreApplication::translate("LayoutDialog", "&Caption"), 700,
                              300 + 300 * i, 900, 255);
        connect(Command2_[i], &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
    }
}

void LayoutDialog::create_buttons() {
    QPushButton* cancel =
        button(this, indexed("btn_cancel", 1),
               QCoreApplication::translate("LayoutDialog", "&Cancel"), 1590, 2430, 1000, 250);
    QPushButton* ok =
        button(this, QStringLiteral("btn_ok"), QCoreApplication::translate("LayoutDialog", "&OK"),
               2640, 2430, 1000, 250);
    connect(cancel, &QPushButton::clicked, this, &LayoutDialog::btn_cancel_Click);
    connect(ok, &QPushButton::clicked, this, &LayoutDialog::btn_ok_Click);
}

void LayoutDialog::create_props_panel() {
    win_props_ = frame(this, QStringLiteral("win_props"),
                       QCoreApplication::translate("LayoutDialog", "Properties of Line#"), 120, 120,
                       3915, 2625);
    win_props_->setAutoFillBackground(true);
    label(win_props_, QStringLiteral("Label2"),
          QCoreApplication::translate("LayoutDialog", "Quick Select:"), 150, 300, 1365, 195);
    instruments_ = new QComboBox(win_props_);
    instruments_->setObjectName(QStringLiteral("instruments"));
    place(instruments_, 150, 510, 1695, 315);
    label(win_props_, QStringLiteral("Label3"),
          QCoreApplication::translate("LayoutDialog", "Staff Caption:"), 150, 960, 1365, 195);
    box_header_ =
        text_box(win_props_, QStringLiteral("box_header"), kCaptionWidth, 150, 1170, 1665, 315);
    cap_numstrings_ = label(win_props_, QStringLiteral("cap_numstrings"),
                            QCoreApplication::translate("LayoutDialog", "Number of Strings:"), 150,
                            1530, 1365, 195);
    scroll_numstrings_ = hscroll(win_props_, QStringLiteral("scroll_numstrings"), 1, kMaxStrings, 1,
                                 150, 1740, 1725, 255);
    label(win_props_, QStringLiteral("Label4"),
          QCoreApplication::translate("LayoutDialog", "String Tuning:"), 2070, 270, 1365, 195);
    QFont bold = font();
    bold.setBold(true);
    for (int j = 0; j < kMaxStrings; ++j) {
        const int row = j % 5;
        const bool right = j >= 5;
        const QString text = j < 9 ? QStringLiteral("%1 -").arg(j + 1) : QStringLiteral("10-");
        QLabel* name = label(win_props_, indexed("Label1", j), text, right ? 3000 : 2070,
                             570 + 300 * row, 330, 195);
        name->setFont(bold);
        box_tuning_[j] = text_box(win_props_, indexed("box_tuning", j), kTuningWidth,
                                  right ? 3330 : 2400, 540 + 300 * row, 435, 285);
    }
    QPushButton* cancel =
        button(win_props_, indexed("btn_cancel_props", 0),
               QCoreApplication::translate("LayoutDialog", "&Cancel"), 1710, 2220, 1000, 250);
    QPushButton* assign =
        button(win_props_, QStringLiteral("btn_ok_props"),
               QCoreApplication::translate("LayoutDialog", "&Assign"), 2760, 2220, 1000, 250);
    win_props_->hide();
    connect(instruments_, &QComboBox::activated, this, &LayoutDialog::instruments_Click);
    connect(scroll_numstrings_, &QScrollBar::valueChanged, this,
            &LayoutDialog::scroll_numstrings_Change);
    connect(cancel, &QPushButton::clicked, this, &LayoutDialog::btn_cancel_props_Click);
    connect(assign, &QPushButton::clicked, this, &LayoutDialog::btn_ok_props_Click);
}

void LayoutDialog::load(const LayoutModel& model) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
    for (const Instrument& instrument : instruments()) {
        instruments_->addItem(QCoreApplication::translate("LayoutDialog", instrument.entry));
    }
    instruments_->setCurrentIndex(-1);
    choose(model);
    take_staffs(model);
    lnum_ = 0;
}

void LayoutDialog::choose(const LayoutModel& model) {
    across_[qBound(1, model.measures_across, kMaxMeasuresAcross) - 1]->setChecked(true);
    const int staffs = qBound(1, model.num_lines, kMaxStaffs) - 1;
    lines_[staffs]->setChecked(true);
    lines_Click(staffs);
    HScroll1_->setValue(model.notes_per_measure);
    HScroll1_Change(HScroll1_->value());
}

void LayoutDialog::take_staffs(const LayoutModel& model) {
    for (int i = 0; i < kMaxStaffs; ++i) {
        staffs_[i] = model.line_props[i];
        Command2_[i]->setText(staffs_[i].caption);
    }
}

LayoutAnswer LayoutDialog::ask(const QString& caption, const LayoutModel& layout, bool propose) {
    if (propose) choose(layout);
    take_staffs(layout);
    accepted_.reset();
    setWindowTitle(caption);
    exec();
    return LayoutAnswer{staffs_, accepted_};
}

void LayoutDialog::show_reference_table() {
    questions_.message(measure_reference_text(), measure_reference_title(), MessageIcon::None);
}

bool LayoutDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_notes_per_meas_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            box_notes_per_meas_Enter();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LayoutDialog::lines_Click(int index) {
    for (int i = 0; i < kMaxStaffs; ++i) Command2_[i]->setVisible(i <= index);
}

void LayoutDialog::HScroll1_Change(int value) {
    box_notes_per_meas_->setText(QString::number(value));
}

void LayoutDialog::box_notes_per_meas_Enter() {
    if (!notes_above_maximum(box_notes_per_meas_->text())) return;
    show_reference_table();
    box_notes_per_meas_->setText(QString::fromLatin1(kDefaultNotesText));
    box_notes_per_meas_->setFocus();
}

void LayoutDialog::Command1_Click() { show_reference_table(); }

void LayoutDialog::Command2_Click(int index) {
    win_props_->setTitle(props_caption(index));
    edit_props(index);
    lnum_ = index;
    win_props_->show();
    win_props_->raise();
    box_header_->setFocus();
}

void LayoutDialog::edit_props(int lnum) {
    if (lnum < 0 || lnum >= kMaxStaffs) return;
    show_props(StaffProps::from(staffs_[lnum]));
}

void LayoutDialog::show_props(const StaffProps& props) {
    box_header_->setText(props.header);
    scroll_numstrings_->setValue(props.num_strings);
    scroll_numstrings_Change(scroll_numstrings_->value());
    for (int j = 0; j < kMaxStrings; ++j) box_tuning_[j]->setText(props.tuning[j]);
}

StaffProps LayoutDialog::props_shown() const {
    StaffProps props;
    props.header = box_header_->text();
    props.num_strings = scroll_numstrings_->value();
    for (int j = 0; j < kMaxStrings; ++j) props.tuning[j] = box_tuning_[j]->text();
    return props;
}

void LayoutDialog::scroll_numstrings_Change(int value) {
    cap_numstrings_->setText(num_strings_caption(value));
    // The label grows into the free space on its right, so that the number is never cut off.
    cap_numstrings_->resize(std::max(px(1365), cap_numstrings_->sizeHint().width()),
                            cap_numstrings_->height());
    for (int j = 0; j < kMaxStrings; ++j) box_tuning_[j]->setVisible(j < value);
}

void LayoutDialog::instruments_Click(int entry) {
    StaffProps props = props_shown();
    props.quick_select(entry);
    show_props(props);
}

void LayoutDialog::btn_ok_props_Click() {
    LineProps& staff = staffs_[lnum_];
    props_shown().store_into(staff);
    Command2_[lnum_]->setText(staff.caption);
    win_props_->hide();
}

void LayoutDialog::btn_cancel_props_Click() { win_props_->hide(); }

void LayoutDialog::btn_ok_Click() {
    const std::optional<int> notes = notes_per_measure_from(box_notes_per_meas_->text());
    if (!notes) {
        // A page of no note columns, or of more than fit, is never drawn: the table says why.
        show_reference_table();
        box_notes_per_meas_->setText(QString::fromLatin1(kDefaultNotesText));
        box_notes_per_meas_->setFocus();
        return;
    }
    LayoutChoice choice;
    choice.notes_per_measure = *notes;
    for (int i = 0; i < kMaxMeasuresAcross; ++i) {
        if (across_[i]->isChecked()) choice.measures_across = i + 1;
    }
    for (int i = 0; i < kMaxStaffs; ++i) {
        if (lines_[i]->isChecked()) choice.num_lines = i + 1;
    }
    accepted_ = choice;
    accept();
}

void LayoutDialog::btn_cancel_Click() { reject(); }

}  // namespace strumix
