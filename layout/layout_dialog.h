#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "document/layout_choice.h"
#include "layout/layout_tables.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace strumix {

class Questions;

// The Page Layout dialog `layout`: measures across, staffs, notes per measure and, in the
// properties panel `win_props`, each staff's caption, strings and tuning. It is created once and
// afterwards only hidden and shown, so its controls keep their state between openings. It only
// answers: what it was given, as the user left it; the caller stores and draws.
class LayoutDialog : public QDialog {
    Q_OBJECT

public:
    // Loads its controls once from `initial`, the layout when the dialog is first needed.
    LayoutDialog(Questions& questions, const LayoutModel& initial, QWidget* parent = nullptr);

    // Shows the dialog modally with this caption ("New Page Layout", "Adjust Layout to Image")
    // over the staffs of `layout`, and answers once it has hidden itself. With `propose` the
    // measures, staffs and notes of `layout` are chosen too.
    LayoutAnswer ask(const QString& caption, const LayoutModel& layout, bool propose = false);

    // The staff whose properties panel is open.
    int lnum() const { return lnum_; }

    // Public operations.
    void edit_props(int lnum);

    // Event handlers, callable directly.
    void lines_Click(int index);
    void HScroll1_Change(int value);
    void box_notes_per_meas_Enter();
    void Command1_Click();
    void Command2_Click(int index);
    void scroll_numstrings_Change(int value);
    void instruments_Click(int entry);
    void btn_ok_props_Click();
    void btn_cancel_props_Click();
    void btn_ok_Click();
    void btn_cancel_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void create_notes_frame();
    void create_across_frame();
    void create_staffs_frame();
    void create_buttons();
    void create_props_panel();
    // The load steps.
    void load(const LayoutModel& model);
    // Measures across, staffs and notes per measure chosen as in `model`.
    void choose(const LayoutModel& model);
    // The staffs the properties panel edits, and their caption buttons.
    void take_staffs(const LayoutModel& model);
    void show_reference_table();
    void show_props(const StaffProps& props);
    StaffProps props_shown() const;

    Questions& questions_;
    int lnum_ = 0;
    std::array<LineProps, kMaxStaffs> staffs_;
    std::optional<LayoutChoice> accepted_;

    QScrollBar* HScroll1_ = nullptr;
    QLineEdit* box_notes_per_meas_ = nullptr;
    std::array<QRadioButton*, kMaxMeasuresAcross> across_{};
    std::array<QRadioButton*, kMaxStaffs> lines_{};
    std::array<QPushButton*, kMaxStaffs> Command2_{};
    QGroupBox* win_props_ = nullptr;
    QComboBox* instruments_ = nullptr;
    QLineEdit* box_header_ = nullptr;
    QLabel* cap_numstrings_ = nullptr;
    QScrollBar* scroll_numstrings_ = nullptr;
    std::array<QLineEdit*, kMaxStrings> box_tuning_{};
};

}  // namespace strumix
