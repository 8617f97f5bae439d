#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "sound_access/play_schedule.h"
#include "sound_access/sound_output.h"

namespace strumix {

// What makes the sound: FluidSynth with a soundfont, heard through the sound device or written
// to a file. It lives in a module of its own (strumix-sound.so), loaded the first time a page
// is played or its sound exported: FluidSynth and libsndfile bring some forty libraries, whose
// loading would otherwise slow every start and stay in its memory.
class SoundEngine {
public:
    virtual ~SoundEngine() = default;
    // The desktop's sound device; the soundfont is loaded at its first play.
    virtual std::unique_ptr<SoundOutput> open_device() = 0;

    enum class FileKind { Wav, Flac };
    // The schedule's sound (once through, with its last notes' ring) rendered with no sound
    // device, as a file of `kind`; empty, with the reason in `error`, when it cannot be made.
    virtual QByteArray sound_file(const PlaySchedule& schedule, const QString& soundfont,
                                  FileKind kind, QString* error) = 0;
};

// The module's entry, by which the loader finds its engine.
inline constexpr char kSoundEngineEntry[] = "strumix_sound_engine";
using SoundEngineEntry = SoundEngine* (*)();

// The engine, its module loaded at the first call from beside the program (the same path from
// an installed program's folder and from a build's app/, tests/ and bench/); none, with the
// reason for the user in `error`, when the module cannot be loaded. Kept loaded from then on.
SoundEngine* sound_engine(QString* error);

// The engine of the module at `path`; none, with the reason, when it is not there or is not a
// sound module. Each call loads the module again (the system keeps one copy).
SoundEngine* load_sound_engine(const QString& path, QString* error);

// Where sound_engine() looks for the module.
QString sound_module_path();

}  // namespace strumix
