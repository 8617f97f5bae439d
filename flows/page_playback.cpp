#include "flows/page_playback.h"

#include <QCoreApplication>
#include <QTimerEvent>
#include <cmath>

#include "document/document.h"
#include "document/questions.h"
#include "edit/cursor_box.h"
#include "notes_reader/note_reader.h"
#include "page/program_facts.h"

namespace strumix {

namespace {

int ticks_per_measure(const LayoutModel& layout, int ticks_per_column) {
    return layout.notes_per_measure * ticks_per_column;
}

}  // namespace

QRect column_marker(const LayoutModel& layout, int ticks_per_column, int tick) {
    const int per_measure = ticks_per_measure(layout, ticks_per_column);
    if (per_measure <= 0 || tick < 0) return {};
    const int measure_index = tick / per_measure;
    const int staff = measure_index / layout.measures_across;
    if (staff >= layout.num_lines) return {};
    const int measure = measure_index % layout.measures_across;
    const int note = (tick % per_measure) / ticks_per_column;
    const QRect top = layout.note_cell(staff, 0, measure, note);
    const QRect bottom = layout.note_cell(staff, layout.num_strings(staff) - 1, measure, note);
    return top | bottom;
}

std::optional<int> column_tick_at(const LayoutModel& layout, int ticks_per_column, double left,
                                  double top) {
    for (int staff = 0; staff < layout.num_lines; ++staff) {
        if (top < layout.first_row(staff) || top > layout.last_row(staff)) continue;
        for (int measure = 0; measure < layout.measures_across; ++measure)
            for (int note = 0; note < layout.notes_per_measure; ++note)
                if (std::abs(layout.note_column(measure, note) - left) < 0.5)
                    return ((staff * layout.measures_across + measure) * layout.notes_per_measure +
                            note) *
                           ticks_per_column;
    }
    return std::nullopt;
}

PagePlayback::PagePlayback(const Document& document, const CursorBox& box, Questions& questions,
                           SoundOutput& sound, QObject* parent)
    : QObject(parent), doc_(document), box_(box), questions_(questions), sound_(sound) {
    // Any change to the page, or another page, silences it at once.
    connect(&doc_, &Document::pageChanged, this, [this] { stop(); });
    connect(&doc_, &Document::pageResized, this, [this] { stop(); });
    connect(&doc_, &Document::modelChanged, this, [this] { stop(); });
}

void PagePlayback::play_or_stop() {
    if (playing_) {
        stop();
        return;
    }
    const Meter meter = meter_for(doc_.model().notes_per_measure);
    play_from(
        column_tick_at(doc_.model(), kTicksPerQuarter * 4 / meter.value, box_.left(), box_.top()));
}

void PagePlayback::play_from_start() { play_from(0); }

void PagePlayback::play_from(std::optional<int> tick) {
    sound_.stop();
    const LayoutModel layout = doc_.model();
    const PageNotes notes = read_notes(doc_.Picture1().image(), layout);
    const Performance performance = perform(notes, music().instruments);
    PlayRange range;
    range.beats_per_minute = music_.beats_per_minute;
    range.count_in = count_in_;
    range.from_tick = tick.value_or(0);
    if (music_loop_) {
        // The staff line the cursor box is on (or the first), from its start, over and over.
        const int line =
            ticks_per_measure(layout, performance.ticks_per_column) * layout.measures_across;
        const int staff = line > 0 ? range.from_tick / line : 0;
        range.from_tick = staff * line;
        range.to_tick = (staff + 1) * line;
        range.loop = true;
    }
    QString error;
    if (!sound_.play(schedule_performance(performance, range, DeviceSound::kSampleRate), &error)) {
        questions_.message(error, program_title(), MessageIcon::Information);
        set_playing(false);
        return;
    }
    played_layout_ = layout;
    ticks_per_column_ = performance.ticks_per_column;
    set_playing(true);
    timer_.start(kMarkerMs, this);
    follow_sound();
}

void PagePlayback::stop() {
    if (!playing_) return;
    sound_.stop();
    set_playing(false);
}

void PagePlayback::set_playing(bool playing) {
    if (!playing) {
        timer_.stop();
        // The device goes when nothing plays: kept open, it would hold a buffer of silence
        // that the next Play waits behind (100 ms against 10 ms), and cost CPU meanwhile.
        sound_.rest();
        if (!marker_.isNull()) {
            marker_ = QRect();
            emit markerMoved(marker_);
        }
    }
    if (playing == playing_) return;
    playing_ = playing;
    emit playingChanged(playing_);
}

void PagePlayback::timerEvent(QTimerEvent* event) {
    if (event->timerId() == timer_.timerId()) follow_sound();
}

void PagePlayback::follow_sound() {
    if (!sound_.playing()) {
        set_playing(false);
        return;
    }
    const QRect marker = column_marker(played_layout_, ticks_per_column_, sound_.tick());
    if (marker != marker_) {
        marker_ = marker;
        emit markerMoved(marker_);
    }
}

void PagePlayback::set_tempo(int beats_per_minute) {
    music_.beats_per_minute = std::clamp(beats_per_minute, kSlowestTempo, kFastestTempo);
}

void PagePlayback::ask_tempo() {
    const std::optional<QString> answer = questions_.input_box(
        QCoreApplication::translate("PagePlayback", "Beats a minute (%1 to %2):")
            .arg(kSlowestTempo)
            .arg(kFastestTempo),
        QCoreApplication::translate("PagePlayback", "Tempo"),
        QString::number(music_.beats_per_minute));
    if (!answer) return;
    bool ok = false;
    const int tempo = answer->trimmed().toInt(&ok);
    if (!ok || tempo < kSlowestTempo || tempo > kFastestTempo) {
        questions_.message(
            QCoreApplication::translate("PagePlayback",
                                        "The tempo is a whole number of beats a minute from %1 "
                                        "to %2.")
                .arg(kSlowestTempo)
                .arg(kFastestTempo),
            program_title(), MessageIcon::Information);
        return;
    }
    set_tempo(tempo);
}

StaffInstrument PagePlayback::instrument(int staff) const {
    if (staff >= 0 && staff < kMaxStaffs && chosen_[std::size_t(staff)])
        return *chosen_[std::size_t(staff)];
    return default_instrument(
        doc_.model().line_props[std::size_t(std::clamp(staff, 0, kMaxStaffs - 1))]);
}

void PagePlayback::set_instrument(int staff, std::optional<StaffInstrument> instrument) {
    if (staff >= 0 && staff < kMaxStaffs) chosen_[std::size_t(staff)] = instrument;
}

MusicChoices PagePlayback::music() const {
    MusicChoices choices = music_;
    choices.instruments.clear();
    for (int staff = 0; staff < doc_.model().num_lines; ++staff)
        choices.instruments.push_back(instrument(staff));
    return choices;
}

}  // namespace strumix
