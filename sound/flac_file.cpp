// FLAC through libsndfile, written into memory so that the file on disk is replaced only once it
// is whole, as every other export is.
#include <sndfile.h>

#include <QByteArray>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "sound/sound_file.h"

#include <QCoreApplication>

namespace strumix {

namespace {

// A growing byte array that libsndfile can seek in: FLAC goes back to the header at the end to
// put in the stream's length and checksum.
struct MemoryFile {
    QByteArray bytes;
    sf_count_t at = 0;
};

sf_count_t mem_length(void* user) { return static_cast<MemoryFile*>(user)->bytes.size(); }

sf_count_t mem_seek(sf_count_t offset, int whence, void* user) {
    auto* f = static_cast<MemoryFile*>(user);
    const sf_count_t base = whence == SEEK_CUR ? f->at : whence == SEEK_END ? f->bytes.size() : 0;
    f->at = std::max<sf_count_t>(0, base + offset);
    return f->at;
}

sf_count_t mem_read(void* ptr, sf_count_t count, void* user) {
    auto* f = static_cast<MemoryFile*>(user);
    const sf_count_t n = std::clamp<sf_count_t>(f->bytes.size() - f->at, 0, count);
    if (n > 0) std::memcpy(ptr, f->bytes.constData() + f->at, std::size_t(n));
    f->at += n;
    return n;
}

sf_count_t mem_write(const void* ptr, sf_count_t count, void* user) {
    auto* f = static_cast<MemoryFile*>(user);
    if (f->at + count > f->bytes.size()) f->bytes.resize(qsizetype(f->at + count));
    std::memcpy(f->bytes.data() + f->at, ptr, std::size_t(count));
    f->at += count;
    return count;
}

sf_count_t mem_tell(void* user) { return static_cast<MemoryFile*>(user)->at; }

struct SndfileClose {
    void operator()(SNDFILE* f) const { sf_close(f); }
};

}  // namespace

QByteArray flac_file(const RenderedSound& sound, QString* error) {
    SF_INFO info{};
    info.samplerate = sound.sample_rate;
    info.channels = 2;
    info.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    if (!sf_format_check(&info)) {
        *error = QCoreApplication::translate(
            "Sound",
            "This system's sound file library cannot write FLAC; export the "
            "sound as .wav instead.");
        return {};
    }
    MemoryFile file;
    file.bytes.reserve(qsizetype(sound.samples.size()));  // about half of the 16-bit samples
    SF_VIRTUAL_IO io{mem_length, mem_seek, mem_read, mem_write, mem_tell};
    std::unique_ptr<SNDFILE, SndfileClose> out(sf_open_virtual(&io, SFM_WRITE, &info, &file));
    if (!out) {
        *error = QCoreApplication::translate("Sound", "The sound could not be written as FLAC: %1")
                     .arg(QString::fromUtf8(sf_strerror(nullptr)));
        return {};
    }
    // The same rounding as the WAV file's, so that both hold the same samples.
    std::vector<short> pcm(sound.samples.size());
    std::transform(sound.samples.begin(), sound.samples.end(), pcm.begin(), [](float v) {
        return short(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f));
    });
    const auto frames = sf_count_t(sound.frames());
    if (sf_writef_short(out.get(), pcm.data(), frames) != frames) {
        *error = QCoreApplication::translate("Sound", "The sound could not be written as FLAC: %1")
                     .arg(QString::fromUtf8(sf_strerror(out.get())));
        return {};
    }
    out.reset();  // closing writes the stream's header
    return std::move(file.bytes);
}

}  // namespace strumix
