#pragma once

#include <cstdint>
#include <vector>

#include "notes/performance.h"

namespace strumix {

// One event of the performance at the sample frame it is heard, on its MIDI channel.
struct ScheduledEvent {
    std::int64_t frame = 0;
    int channel = 0;
    PlayedEvent event;
};

// What to play of a page's performance.
struct PlayRange {
    int from_tick = 0;      // where play begins
    int to_tick = -1;       // where it ends; -1: the end of the page
    bool loop = false;      // from `from_tick` to `to_tick` over and over
    bool count_in = false;  // one measure of clicks first
    int beats_per_minute = 120;
};

// The channel the count-in clicks on: General MIDI's drums.
inline constexpr int kClickChannel = 9;

// A performance laid out in sample frames: the instruments set up first, then the count-in's
// clicks, then the events of the range, from frame `start_frame` on. A looping schedule goes
// back to `start_frame` when it reaches `end_frame`.
struct PlaySchedule {
    int sample_rate = 44100;
    double frames_per_tick = 0;
    int from_tick = 0;
    std::vector<ScheduledEvent> setup;   // programs and controllers, before anything sounds
    std::vector<ScheduledEvent> events;  // in frame order
    std::int64_t start_frame = 0;        // after the count-in
    std::int64_t end_frame = 0;          // the range's end, and a moment for the last notes
    std::int64_t range_end_frame = 0;    // the range's end
    bool loop = false;

    // The page's tick heard at a frame of the schedule (during the count-in: the range's start).
    int tick_at(std::int64_t frame) const;
};

PlaySchedule schedule_performance(const Performance& performance, const PlayRange& range,
                                  int sample_rate);

}  // namespace strumix
