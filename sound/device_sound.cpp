#include "sound/live_player.h"
#include "sound/sound_output.h"
#include "sound/soundfont.h"
#include "sound/synth.h"

namespace strumix {

DeviceSound::DeviceSound() = default;

DeviceSound::~DeviceSound() {
    player_.reset();  // the sound thread stops before the synth it plays goes
}

bool DeviceSound::prepare(QString* error) {
    if (synth_) return true;
    const std::optional<QString> soundfont = find_soundfont();
    if (!soundfont) {
        *error = no_soundfont_reason();
        return false;
    }
    synth_ = Synth::create(*soundfont, kSampleRate, error);
    if (!synth_) return false;
    player_ = std::make_unique<LivePlayer>(*synth_);
    return true;
}

bool DeviceSound::play(PlaySchedule schedule, QString* error) {
    return prepare(error) && player_->play(std::move(schedule), error);
}

void DeviceSound::stop() {
    if (player_) player_->stop();
}

bool DeviceSound::playing() const { return player_ && player_->playing(); }

int DeviceSound::tick() const { return player_ ? player_->tick() : 0; }

void DeviceSound::rest() {
    if (player_) player_->close_output();
}

}  // namespace strumix
