#pragma once

#include <QBasicTimer>
#include <QObject>
#include <QRect>
#include <array>
#include <optional>

#include "notes/performance.h"
#include "sound_access/sound_output.h"

namespace strumix {

class CursorBox;
class Document;
class Questions;

// The page played: from the cursor box's note column or the page's start, through the page in
// reading order, or one staff line over and over, with a measure of clicks first when asked.
// The note column being heard is reported for a marker over the page; any change to the page
// stops the sound at once.
class PagePlayback : public QObject {
    Q_OBJECT

public:
    PagePlayback(const Document& document, const CursorBox& box, Questions& questions,
                 SoundOutput& sound, QObject* parent = nullptr);

    // "&Play" / "&Stop": stops what plays, or plays from the cursor box's column.
    void play_or_stop();
    void play_from_start();
    void stop();
    bool playing() const { return playing_; }

    bool loop() const { return music_loop_; }
    void set_loop(bool loop) { music_loop_ = loop; }
    bool count_in() const { return count_in_; }
    void set_count_in(bool count_in) { count_in_ = count_in; }
    int tempo() const { return music_.beats_per_minute; }
    void set_tempo(int beats_per_minute);
    // "&Tempo...": asks for 30 to 300 beats a minute.
    void ask_tempo();
    // A staff's instrument: the one chosen, or the default its caption and tuning give.
    StaffInstrument instrument(int staff) const;
    void set_instrument(int staff, std::optional<StaffInstrument> instrument);
    std::optional<StaffInstrument> chosen_instrument(int staff) const {
        return chosen_[std::size_t(staff)];
    }
    // The tempo and instruments, as exports and plays use them.
    MusicChoices music() const;

    // How often the marker follows the sound.
    static constexpr int kMarkerMs = 30;

signals:
    void playingChanged(bool playing);
    // The note column being heard, in page pixels: its cells on every string of its staff;
    // empty when nothing plays.
    void markerMoved(const QRect& page_pixels);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void play_from(std::optional<int> tick);
    void set_playing(bool playing);
    void follow_sound();

    const Document& doc_;
    const CursorBox& box_;
    Questions& questions_;
    SoundOutput& sound_;
    MusicChoices music_;
    bool music_loop_ = false;
    bool count_in_ = false;
    std::array<std::optional<StaffInstrument>, kMaxStaffs> chosen_{};
    bool playing_ = false;
    // What is heard: the layout and tick lengths it was played with.
    LayoutModel played_layout_;
    int ticks_per_column_ = kTicksPerQuarter;
    QRect marker_;
    QBasicTimer timer_;
};

// The note column a tick of the page's performance falls in, in page pixels: its cells on
// every string of its staff.
QRect column_marker(const LayoutModel& layout, int ticks_per_column, int tick);
// The tick the note column of the cursor box (in character cells) starts at, when the box is
// on a staff's note column.
std::optional<int> column_tick_at(const LayoutModel& layout, int ticks_per_column, double left,
                                  double top);

}  // namespace strumix
