#include "sound/live_player.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

#include "sound/fluid_parts.h"

namespace strumix {

// The sound device, opened on the synth's settings with our own rendering.
struct LivePlayer::Output {
    fluid_audio_driver_t* driver = nullptr;
    ~Output() {
        if (driver) delete_fluid_audio_driver(driver);
    }
};

LivePlayer::LivePlayer(Synth& synth) : synth_(synth) {}

LivePlayer::~LivePlayer() {
    output_device_.reset();  // the sound thread ends before what it reads goes
}

bool LivePlayer::open_output(QString* error) {
    if (output_device_) return true;
    fluid_settings_t* settings = synth_.fluid().settings;
    // Periods of 1024 frames (23 ms): with 512 a sound server's null sink ran dry eight times a
    // minute while the user zoomed; with 1024, not once in five minutes. Play is heard a buffer
    // later for it.
    fluid_settings_setint(settings, "audio.period-size", 1024);
    fluid_settings_setint(settings, "audio.periods", 2);
    for (const char* name : {"pipewire", "pulseaudio", "alsa"}) {
        if (fluid_settings_setstr(settings, "audio.driver", name) != FLUID_OK) continue;
        fluid_audio_driver_t* driver = new_fluid_audio_driver2(settings, &LivePlayer::render, this);
        if (driver) {
            output_device_ = std::make_unique<Output>();
            output_device_->driver = driver;
            output_ = QString::fromLatin1(name);
            return true;
        }
    }
    *error = QCoreApplication::translate(
        "Sound",
        "The page cannot be played: no sound device could be opened (PipeWire, PulseAudio or "
        "ALSA). Export it as a WAV file instead.");
    return false;
}

bool LivePlayer::play(PlaySchedule schedule, QString* error) {
    if (!open_output(error)) return false;
    auto fresh = std::make_unique<PlaySchedule>(std::move(schedule));
    std::unique_ptr<PlaySchedule> old_schedule;
    std::unique_ptr<ScheduleCursor> old_cursor;
    {
        const std::lock_guard lock(mutex_);
        synth_.silence();
        old_cursor = std::move(cursor_);
        old_schedule = std::move(schedule_);
        schedule_ = std::move(fresh);
        cursor_ = std::make_unique<ScheduleCursor>(*schedule_, synth_);
        made_ = 0;
        first_block_.reset();
        playing_ = true;
    }
    return true;
}

int LivePlayer::tick() const {
    const std::lock_guard lock(mutex_);
    if (!schedule_) return 0;
    std::int64_t frame = 0;
    if (first_block_) {
        const double since =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - *first_block_).count();
        frame = std::min(made_, std::int64_t(since * synth_.sample_rate()));
    }
    return schedule_->tick_at(frame);
}

void LivePlayer::close_output() {
    if (playing_) return;
    output_device_.reset();
}

void LivePlayer::stop() {
    std::unique_ptr<PlaySchedule> old_schedule;
    std::unique_ptr<ScheduleCursor> old_cursor;
    {
        const std::lock_guard lock(mutex_);
        old_cursor = std::move(cursor_);
        old_schedule = std::move(schedule_);
        playing_ = false;
        synth_.silence();
        ring_frames_ = 0;
    }
}

int LivePlayer::render(void* self, int len, int, float*[], int nout, float* out[]) {
    auto& player = *static_cast<LivePlayer*>(self);
    if (nout < 2) return FLUID_OK;
    const std::lock_guard lock(player.mutex_);
    if (player.cursor_) {
        if (!player.first_block_) player.first_block_ = std::chrono::steady_clock::now();
        player.cursor_->render(len, out[0], out[1]);
        player.made_ += len;
        if (player.cursor_->finished()) {
            player.cursor_.reset();
            player.schedule_.reset();
            player.playing_ = false;
        }
        player.ring_frames_ = player.synth_.sample_rate() * 2;
    } else if (player.ring_frames_ > 0) {
        // After the end, what still rings dies away; then the device is fed silence only.
        player.synth_.render(len, out[0], out[1]);
        player.ring_frames_ -= len;
    } else {
        std::memset(out[0], 0, sizeof(float) * std::size_t(len));
        std::memset(out[1], 0, sizeof(float) * std::size_t(len));
    }
    return FLUID_OK;
}

}  // namespace strumix
