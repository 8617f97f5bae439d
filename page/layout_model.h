#pragma once

#include <QSize>
#include <QString>
#include <array>

#include "page/page_geometry.h"

namespace strumix {

inline constexpr int kMaxStaffs = 6;
inline constexpr int kMaxStrings = 10;
inline constexpr int kMaxMeasuresAcross = 4;
inline constexpr int kMaxNotesPerMeasure = 52;
inline constexpr int kCaptionWidth = 8;
inline constexpr int kTuningWidth = 2;

// Cuts or blank-pads text to exactly `width` characters.
QString fixed_width(const QString& text, int width);

// One staff: its caption, strings, tuning and the page rows it occupies.
struct LineProps {
    QString caption = QString(kCaptionWidth, QLatin1Char(' '));
    int first_row = 0;
    int last_row = 0;
    std::array<QString, kMaxStrings> tuning;
    int num_strings = 1;

    LineProps();
    void set_caption(const QString& text) { caption = fixed_width(text, kCaptionWidth); }
    void set_tuning(int string, const QString& name) {
        tuning[string] = fixed_width(name, kTuningWidth);
    }
    bool operator==(const LineProps&) const = default;
};

// The shape of the tab page. Every position on the page (bar lines, note cells, string rows,
// labels, page size) is derived here and nowhere else.
struct LayoutModel {
    int num_lines = 2;
    int measures_across = 1;
    int notes_per_measure = 16;
    std::array<LineProps, 7> line_props;

    LayoutModel();
    bool operator==(const LayoutModel&) const = default;

    // The start-up layout: a six-string guitar staff above a four-string bass staff, one
    // measure of 16 notes.
    void fill_defaults();
    void recompute_staff_rows();

    int first_row(int staff) const { return line_props[staff].first_row; }
    int last_row(int staff) const { return line_props[staff].last_row; }
    int num_strings(int staff) const { return line_props[staff].num_strings; }

    // Derived positions, in character cells (from the numbers in page_geometry.h).
    int measure_width() const {
        return page_cells::kNoteStep * notes_per_measure + page_cells::kBarGap;
    }
    double measure_left(int measure) const {
        return page_cells::kFirstBar + measure * measure_width();
    }
    double measure_right(int measure) const { return measure_left(measure + 1); }
    int note_column(int measure, int note) const {
        return page_cells::kFirstNote + measure * measure_width() + page_cells::kNoteStep * note;
    }
    int first_note_column(int measure) const { return note_column(measure, 0); }
    int last_note_column(int measure) const { return note_column(measure, notes_per_measure - 1); }
    int string_row(int staff, int string) const { return first_row(staff) + string; }
    double string_line_y(int staff, int string) const { return string_row(staff, string) + 0.5; }
    static constexpr int label_column() { return page_cells::kLabelColumn; }
    int caption_row(int staff) const { return first_row(staff) - 1; }
    double page_width_columns() const;
    int page_height_rows() const;
    static constexpr int home_column() { return page_cells::kHomeColumn; }
    static constexpr int home_row() { return page_cells::kHomeRow; }

    // The same in pixels, as the page is drawn.
    QSize page_size_pixels() const;
    int bar_x(int measure) const { return static_cast<int>(measure_left(measure) * kColumnPixels); }
    int string_line_y_pixels(int staff, int string) const {
        return string_row(staff, string) * kRowPixels + page_pixels::kLineInRow;
    }
    // The two-column cell a fret number is written in, at a note column and a string.
    QRect note_cell(int staff, int string, int measure, int note) const {
        return QRect(note_column(measure, note) * kColumnPixels,
                     string_row(staff, string) * kRowPixels, 2 * kColumnPixels, kRowPixels);
    }
};

}  // namespace strumix
