#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <memory>

#include "sound_access/play_schedule.h"

namespace strumix {

// FluidSynth with a General MIDI soundfont loaded: told the performance's events, it renders
// their sound. Its calls may come from any thread.
class Synth {
public:
    // What the sound is for: heard as it is made, or written to a file as fast as it can be.
    enum class Use { Live, File };
    // Nothing when the soundfont cannot be loaded; `error` says why.
    static std::unique_ptr<Synth> create(const QString& soundfont, int sample_rate, QString* error,
                                         Use use = Use::Live);
    ~Synth();
    Synth(const Synth&) = delete;
    Synth& operator=(const Synth&) = delete;

    int sample_rate() const { return sample_rate_; }
    void send(int channel, const PlayedEvent& event);
    // Every note stopped at once, every wheel and controller back where it starts.
    void silence();
    // `frames` frames of sound into the two channels, each `stride` floats apart.
    void render(int frames, float* left, float* right, int stride = 1);

    struct Fluid;
    Fluid& fluid() { return *fluid_; }

private:
    Synth(std::unique_ptr<Fluid> fluid, int sample_rate);
    std::unique_ptr<Fluid> fluid_;
    int sample_rate_;
    std::array<int, 16> programs_;  // the instrument each channel plays; -1: none chosen yet
};

// Plays a schedule into a synth a block at a time, each event at its own frame: the same for
// sound heard live and for sound written to a file.
class ScheduleCursor {
public:
    ScheduleCursor(const PlaySchedule& schedule, Synth& synth);
    // Renders the next `frames` frames; after the end (when not looping), silence.
    void render(int frames, float* left, float* right, int stride = 1);
    std::int64_t frame() const { return frame_; }
    bool finished() const { return !schedule_.loop && frame_ >= schedule_.end_frame; }

private:
    const PlaySchedule& schedule_;
    Synth& synth_;
    std::size_t next_ = 0;
    std::int64_t frame_ = 0;
};

}  // namespace strumix
