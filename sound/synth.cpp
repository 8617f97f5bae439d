#include "sound/synth.h"

#include <QCoreApplication>
#include <algorithm>

#include "sound/fluid_parts.h"

namespace strumix {

namespace {

// FluidSynth's own messages go nowhere: what matters reaches the user as our messages.
void quiet(int, const char*, void*) {}

}  // namespace

std::unique_ptr<Synth> Synth::create(const QString& soundfont, int sample_rate, QString* error,
                                     Use use) {
    static const bool silenced = [] {
        for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
            fluid_set_log_function(level, quiet, nullptr);
        return true;
    }();
    (void)silenced;
    auto fluid = std::make_unique<Fluid>();
    fluid->settings = new_fluid_settings();
    if (!fluid->settings) {
        *error = QCoreApplication::translate(
            "Sound", "The sound cannot be made: FluidSynth could not start.");
        return nullptr;
    }
    fluid_settings_setnum(fluid->settings, "synth.sample-rate", sample_rate);
    fluid_settings_setnum(fluid->settings, "synth.gain", 0.5);
    // Only the samples of the instruments played are read from the soundfont.
    fluid_settings_setint(fluid->settings, "synth.dynamic-sample-loading", 1);
    // A staff's strings ring at most in pairs of voices; what goes beyond is the oldest notes'
    // release, taken first. More voices only cost time: on the largest page the sound renders
    // 13 times faster than it lasts with FluidSynth's 256, 44 times with 64.
    fluid_settings_setint(fluid->settings, "synth.polyphony", 64);
    fluid_settings_setint(fluid->settings, "synth.chorus.active", 0);
    // A file is rendered on every core; live sound keeps to the sound thread.
    if (use == Use::File) fluid_settings_setint(fluid->settings, "synth.cpu-cores", 2);
    fluid->synth = new_fluid_synth(fluid->settings);
    if (!fluid->synth) {
        *error = QCoreApplication::translate(
            "Sound", "The sound cannot be made: FluidSynth could not start.");
        return nullptr;
    }
    fluid_synth_set_interp_method(fluid->synth, -1, FLUID_INTERP_LINEAR);
    if (fluid_synth_sfload(fluid->synth, soundfont.toLocal8Bit().constData(), 1) == FLUID_FAILED) {
        *error = QCoreApplication::translate("Sound", "The soundfont \"%1\" cannot be read.")
                     .arg(soundfont);
        return nullptr;
    }
    return std::unique_ptr<Synth>(new Synth(std::move(fluid), sample_rate));
}

Synth::Synth(std::unique_ptr<Fluid> fluid, int sample_rate)
    : fluid_(std::move(fluid)), sample_rate_(sample_rate) {
    programs_.fill(-1);
}

Synth::~Synth() = default;

void Synth::send(int channel, const PlayedEvent& e) {
    fluid_synth_t* s = fluid_->synth;
    switch (e.kind) {
        case PlayedEvent::Kind::NoteOn:
            fluid_synth_noteon(s, channel, e.a, e.b);
            break;
        case PlayedEvent::Kind::NoteOff:
            fluid_synth_noteoff(s, channel, e.a);
            break;
        case PlayedEvent::Kind::Program:
            // The same instrument again is left as it is: choosing it anew would read its
            // samples from the soundfont again.
            if (channel >= 0 && channel < int(programs_.size()) &&
                programs_[std::size_t(channel)] == e.a)
                break;
            if (channel >= 0 && channel < int(programs_.size()))
                programs_[std::size_t(channel)] = e.a;
            fluid_synth_program_change(s, channel, e.a);
            break;
        case PlayedEvent::Kind::Controller:
            fluid_synth_cc(s, channel, e.a, e.b);
            break;
        case PlayedEvent::Kind::PitchBend:
            fluid_synth_pitch_bend(s, channel, e.a);
            break;
    }
}

void Synth::silence() {
    fluid_synth_all_sounds_off(fluid_->synth, -1);
    for (int channel = 0; channel < 16; ++channel) {
        fluid_synth_pitch_bend(fluid_->synth, channel, 8192);
        fluid_synth_cc(fluid_->synth, channel, 1, 0);
    }
}

void Synth::render(int frames, float* left, float* right, int stride) {
    if (frames > 0)
        fluid_synth_write_float(fluid_->synth, frames, left, 0, stride, right, 0, stride);
}

ScheduleCursor::ScheduleCursor(const PlaySchedule& schedule, Synth& synth)
    : schedule_(schedule), synth_(synth) {
    for (const ScheduledEvent& e : schedule_.setup) synth_.send(e.channel, e.event);
}

void ScheduleCursor::render(int frames, float* left, float* right, int stride) {
    int done = 0;
    while (done < frames) {
        if (schedule_.loop && frame_ >= schedule_.range_end_frame) {
            // Round again: what still sounds stops, and the range starts over.
            synth_.silence();
            for (const ScheduledEvent& e : schedule_.setup) synth_.send(e.channel, e.event);
            frame_ = schedule_.start_frame;
            next_ = std::size_t(
                std::lower_bound(
                    schedule_.events.begin(), schedule_.events.end(), frame_,
                    [](const ScheduledEvent& e, std::int64_t f) { return e.frame < f; }) -
                schedule_.events.begin());
        }
        while (next_ < schedule_.events.size() && schedule_.events[next_].frame <= frame_) {
            const ScheduledEvent& e = schedule_.events[next_++];
            synth_.send(e.channel, e.event);
        }
        // Up to the next event, the loop's end or the block's end.
        std::int64_t until = frame_ + (frames - done);
        if (next_ < schedule_.events.size()) until = std::min(until, schedule_.events[next_].frame);
        if (schedule_.loop) until = std::min(until, schedule_.range_end_frame);
        const int n = int(std::max<std::int64_t>(1, until - frame_));
        synth_.render(n, left + std::ptrdiff_t(done) * stride,
                      right + std::ptrdiff_t(done) * stride, stride);
        done += n;
        frame_ += n;
    }
}

}  // namespace strumix
