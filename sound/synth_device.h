#pragma once

#include <QString>
#include <memory>

#include "sound_access/sound_output.h"

namespace strumix {

class LivePlayer;
class Synth;

// The desktop's sound device through FluidSynth with a General MIDI soundfont; the soundfont
// is loaded at the first play (or before, by `prepare`).
class SynthDevice : public SoundOutput {
public:
    SynthDevice();
    ~SynthDevice() override;
    // Loads the soundfont now, so that the first play is heard at once; false, with the reason,
    // when there is none.
    bool prepare(QString* error);
    bool play(PlaySchedule schedule, QString* error) override;
    void stop() override;
    bool playing() const override;
    int tick() const override;
    void rest() override;

private:
    std::unique_ptr<Synth> synth_;
    std::unique_ptr<LivePlayer> player_;
};

}  // namespace strumix
