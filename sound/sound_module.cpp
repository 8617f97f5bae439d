// The sound module's engine: what the program reaches through SoundEngine once it has loaded
// the module.
#include "sound/sound_file.h"
#include "sound/synth_device.h"
#include "sound_access/sound_engine.h"

namespace strumix {

namespace {

class SynthEngine final : public SoundEngine {
public:
    std::unique_ptr<SoundOutput> open_device() override { return std::make_unique<SynthDevice>(); }

    QByteArray sound_file(const PlaySchedule& schedule, const QString& soundfont, FileKind kind,
                          QString* error) override {
        const std::unique_ptr<Synth> synth =
            Synth::create(soundfont, schedule.sample_rate, error, Synth::Use::File);
        if (!synth) return {};
        const RenderedSound sound = render_schedule(schedule, *synth);
        return kind == FileKind::Wav ? wav_file(sound) : flac_file(sound, error);
    }
};

}  // namespace

}  // namespace strumix

extern "C" __attribute__((visibility("default"))) strumix::SoundEngine* strumix_sound_engine() {
    static strumix::SynthEngine engine;
    return &engine;
}
