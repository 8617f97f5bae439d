#include "sound_access/sound_engine.h"
#include "sound_access/sound_output.h"

namespace strumix {

DeviceSound::DeviceSound() = default;
DeviceSound::~DeviceSound() = default;

bool DeviceSound::play(PlaySchedule schedule, QString* error) {
    if (!device_) {
        SoundEngine* engine = sound_engine(error);
        if (!engine) return false;
        device_ = engine->open_device();
    }
    return device_->play(std::move(schedule), error);
}

void DeviceSound::stop() {
    if (device_) device_->stop();
}

bool DeviceSound::playing() const { return device_ && device_->playing(); }

int DeviceSound::tick() const { return device_ ? device_->tick() : 0; }

void DeviceSound::rest() {
    if (device_) device_->rest();
}

}  // namespace strumix
