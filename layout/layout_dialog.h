#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "layout/page_layout.h"

class QComboBox;
class QEventLoop;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace strumix {

class Editor;

// The Page Layout dialog `layout`: measures across, staffs, notes per measure and, in the
// properties panel `win_props`, each staff's caption, strings and tuning. It is created once and
// afterwards only hidden and shown, so its controls keep their state between openings. Its
// caption, set by the caller, decides what OK does (see PageLayoutCore).
class LayoutDialog : public QDialog {
    Q_OBJECT

public:
    explicit LayoutDialog(Editor& editor, QWidget* parent = nullptr);

    PageLayoutCore& core() { return core_; }
    // The dialog's role: "New Page Layout" or "Adjust Layout to Image".
    void set_caption(const QString& caption);
    // Shows the dialog modally and returns once it has hidden itself. Unlike QDialog::exec this
    // may nest: OK hides the dialog, and a page too large to create shows it again from inside
    // that same OK.
    void run_modal();
    // The staff whose properties panel is open.
    int lnum() const { return lnum_; }

    // Public operations.
    void across_Click(int index);
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

    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void create_notes_frame();
    void create_across_frame();
    void create_staffs_frame();
    void create_buttons();
    void create_props_panel();
    void load();
    void show_props(const StaffProps& props);
    StaffProps props_shown() const;
    LayoutChoice choice_shown() const;

    Editor& editor_;
    PageLayoutCore core_;
    int lnum_ = 0;
    std::vector<QEventLoop*> loops_;

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
