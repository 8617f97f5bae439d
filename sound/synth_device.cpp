#include "sound/synth_device.h"

#include "sound/live_player.h"
#include "sound/synth.h"
#include "sound_access/soundfont.h"

namespace strumix {

SynthDevice::SynthDevice() = default;

SynthDevice::~SynthDevice() {
    player_.reset();  // the sound thread stops before the synth it plays goes
}

bool SynthDevice::prepare(QString* error) {
    if (synth_) return true;
    const std::optional<QString> soundfont = find_soundfont();
    if (!soundfont) {
        *error = no_soundfont_reason();
        return false;
    }
    synth_ = Synth::create(*soundfont, DeviceSound::kSampleRate, error);
    if (!synth_) return false;
    player_ = std::make_unique<LivePlayer>(*synth_);
    return true;
}

bool SynthDevice::play(PlaySchedule schedule, QString* error) {
    return prepare(error) && player_->play(std::move(schedule), error);
}

void SynthDevice::stop() {
    if (player_) player_->stop();
}

bool SynthDevice::playing() const { return player_ && player_->playing(); }

int SynthDevice::tick() const { return player_ ? player_->tick() : 0; }

void SynthDevice::rest() {
    if (player_) player_->close_output();
}

}  // namespace strumix
