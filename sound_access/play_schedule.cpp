#include "sound_access/play_schedule.h"

#include <algorithm>
#include <cmath>

namespace strumix {

namespace {

constexpr int kAccentedClick = 76;  // hi wood block
constexpr int kClick = 77;          // low wood block
// How long the last notes ring after the range ends, when play does not loop.
constexpr double kRingSeconds = 1.0;

}  // namespace

int PlaySchedule::tick_at(std::int64_t frame) const {
    if (frame < start_frame || frames_per_tick <= 0) return from_tick;
    std::int64_t into = frame - start_frame;
    if (loop && range_end_frame > start_frame) into %= (range_end_frame - start_frame);
    return from_tick + int(double(into) / frames_per_tick);
}

PlaySchedule schedule_performance(const Performance& performance, const PlayRange& range,
                                  int sample_rate) {
    PlaySchedule schedule;
    schedule.sample_rate = sample_rate;
    const int bpm = std::clamp(range.beats_per_minute, 1, 1000);
    schedule.frames_per_tick = double(sample_rate) * 60.0 / (double(bpm) * kTicksPerQuarter);
    const int from = std::clamp(range.from_tick, 0, performance.end_tick);
    const int to = range.to_tick < 0 ? performance.end_tick
                                     : std::clamp(range.to_tick, from, performance.end_tick);
    schedule.from_tick = from;
    schedule.loop = range.loop && to > from;
    auto frame_of = [&](double ticks) {
        return std::int64_t(std::llround(ticks * schedule.frames_per_tick));
    };

    // One measure of clicks, a beat of the time signature apart, the first accented.
    const Meter& meter = performance.meter;
    if (range.count_in) {
        const int beat = kTicksPerQuarter * 4 / meter.denominator;
        for (int i = 0; i < meter.numerator; ++i) {
            const int key = i == 0 ? kAccentedClick : kClick;
            schedule.events.push_back(
                {frame_of(i * beat), kClickChannel, {0, PlayedEvent::Kind::NoteOn, key, 100}});
            schedule.events.push_back({frame_of(i * beat + beat / 2),
                                       kClickChannel,
                                       {0, PlayedEvent::Kind::NoteOff, key, 0}});
        }
        schedule.start_frame = frame_of(meter.numerator * beat);
    }
    for (std::size_t staff = 0; staff < performance.staffs.size(); ++staff) {
        for (const PlayedEvent& e : performance.staffs[staff]) {
            const int channel = staff_channel(int(staff), e.muted);
            const bool setting = e.kind == PlayedEvent::Kind::Program ||
                                 (e.kind == PlayedEvent::Kind::Controller && e.tick == 0);
            if (setting) {
                schedule.setup.push_back({0, channel, e});
                continue;
            }
            // A note ends at the range's end at the latest; nothing begins after it.
            const bool ending = e.kind == PlayedEvent::Kind::NoteOff;
            if (e.tick < from || e.tick > to || (e.tick == to && !ending)) continue;
            schedule.events.push_back({schedule.start_frame + frame_of(e.tick - from), channel, e});
        }
    }
    std::stable_sort(schedule.events.begin(), schedule.events.end(),
                     [](const ScheduledEvent& a, const ScheduledEvent& b) {
                         return a.frame != b.frame ? a.frame < b.frame
                                                   : int(a.event.kind) < int(b.event.kind);
                     });
    schedule.range_end_frame = schedule.start_frame + frame_of(to - from);
    schedule.end_frame =
        schedule.range_end_frame + (schedule.loop ? 0 : std::int64_t(kRingSeconds * sample_rate));
    return schedule;
}

}  // namespace strumix
