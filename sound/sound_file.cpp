#include "sound/sound_file.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace strumix {

RenderedSound render_schedule(const PlaySchedule& schedule, Synth& synth) {
    RenderedSound sound;
    sound.sample_rate = synth.sample_rate();
    PlaySchedule once = schedule;
    once.loop = false;
    const std::int64_t frames = std::max<std::int64_t>(once.end_frame, 0);
    sound.samples.assign(std::size_t(frames) * 2, 0.0f);
    ScheduleCursor cursor(once, synth);
    constexpr int kBlock = 4096;
    for (std::int64_t at = 0; at < frames; at += kBlock) {
        const int n = int(std::min<std::int64_t>(kBlock, frames - at));
        float* out = sound.samples.data() + 2 * at;
        cursor.render(n, out, out + 1, 2);
    }
    return sound;
}

namespace {

void put16(QByteArray& out, quint16 v) {
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 2);
}
void put32(QByteArray& out, quint32 v) {
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

}  // namespace

QByteArray wav_file(const RenderedSound& sound) {
    const quint32 data_bytes = quint32(sound.samples.size() * 2);
    QByteArray out;
    out.reserve(qsizetype(44 + data_bytes));
    out.append("RIFF", 4);
    put32(out, 36 + data_bytes);
    out.append("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 2);
    put32(out, quint32(sound.sample_rate));
    put32(out, quint32(sound.sample_rate) * 4);
    put16(out, 4);
    put16(out, 16);
    out.append("data", 4);
    put32(out, data_bytes);
    const qsizetype header = out.size();
    out.resize(header + qsizetype(data_bytes));
    auto* pcm = reinterpret_cast<qint16*>(out.data() + header);
    for (std::size_t i = 0; i < sound.samples.size(); ++i) {
        const float v = std::clamp(sound.samples[i], -1.0f, 1.0f);
        pcm[i] = qToLittleEndian(qint16(std::lround(v * 32767.0f)));
    }
    return out;
}

}  // namespace strumix
