#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "sound/synth.h"

namespace strumix {

// Sound in memory: interleaved stereo frames.
struct RenderedSound {
    int sample_rate = 44100;
    std::vector<float> samples;  // left, right, left, right, ...
    std::size_t frames() const { return samples.size() / 2; }
};

// The whole schedule (once through, with the last notes' ring) rendered as fast as the machine
// can, with no sound device.
RenderedSound render_schedule(const PlaySchedule& schedule, Synth& synth);

// The sound as a WAV file: 16-bit stereo PCM.
QByteArray wav_file(const RenderedSound& sound);

// The sound as a FLAC file: the same 16-bit stereo, losslessly packed (about half the size).
// Empty, with the reason in `error`, where the system's libsndfile was built without FLAC.
QByteArray flac_file(const RenderedSound& sound, QString* error);

}  // namespace strumix
