#pragma once

#include <QString>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>

#include "sound/synth.h"

namespace strumix {

// Plays schedules through the desktop's sound server (PipeWire, PulseAudio) or ALSA, on the
// sound device's own thread: the caller's thread never waits for the sound.
class LivePlayer {
public:
    explicit LivePlayer(Synth& synth);
    ~LivePlayer();
    LivePlayer(const LivePlayer&) = delete;
    LivePlayer& operator=(const LivePlayer&) = delete;

    // Starts `schedule` in place of whatever plays; false, with the reason, when no sound
    // device can be opened.
    bool play(PlaySchedule schedule, QString* error);
    // Silence at once.
    void stop();
    // Lets the sound device go while nothing plays; the next play opens it again.
    void close_output();
    // Whether a schedule is still being heard (a loop until it is stopped).
    bool playing() const { return playing_.load(); }
    // The page's tick being heard now: as far as the sound is made, and no further than the
    // time since its first block went out says (a sound server may take seconds of sound
    // ahead of what it lets be heard).
    int tick() const;
    // The name of the sound output in use ("pulseaudio", "alsa", ...), once one is open.
    QString output() const { return output_; }

private:
    static int render(void* self, int len, int nfx, float* fx[], int nout, float* out[]);
    bool open_output(QString* error);

    Synth& synth_;
    struct Output;
    std::unique_ptr<Output> output_device_;
    QString output_;
    mutable std::mutex mutex_;  // the schedule and its cursor, swapped by play and stop
    std::unique_ptr<PlaySchedule> schedule_;
    std::unique_ptr<ScheduleCursor> cursor_;
    std::atomic<bool> playing_{false};
    std::int64_t made_ = 0;  // frames of the schedule made so far, counted on through loops
    std::optional<std::chrono::steady_clock::time_point> first_block_;
    int ring_frames_ = 0;  // after a stop or the end, what still rings is let out
};

}  // namespace strumix
