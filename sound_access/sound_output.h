#pragma once

#include <QString>
#include <memory>

#include "sound_access/play_schedule.h"

namespace strumix {

// Where a page being played is heard: the sound device, or in the tests a recorder.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts `schedule` in place of whatever plays; false, with the reason for the user, when
    // it cannot be heard.
    virtual bool play(PlaySchedule schedule, QString* error) = 0;
    virtual void stop() = 0;
    virtual bool playing() const = 0;
    // The page's tick being heard now.
    virtual int tick() const = 0;
    // Nothing plays: the sound device may go until the next play opens it again.
    virtual void rest() {}
};

// The desktop's sound device. What makes the sound (FluidSynth, the sound server's client and
// the many libraries they bring) is in the sound module, loaded at the first play: a start
// that never plays never loads it.
class DeviceSound : public SoundOutput {
public:
    DeviceSound();
    ~DeviceSound() override;
    bool play(PlaySchedule schedule, QString* error) override;
    void stop() override;
    bool playing() const override;
    int tick() const override;
    void rest() override;

    static constexpr int kSampleRate = 44100;

private:
    std::unique_ptr<SoundOutput> device_;
};

}  // namespace strumix
