// The FluidSynth objects behind a Synth, for the sound library's own files only.
#pragma once

#include <fluidsynth.h>

#include "sound/synth.h"

namespace strumix {

struct Synth::Fluid {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    ~Fluid() {
        if (synth) delete_fluid_synth(synth);
        if (settings) delete_fluid_settings(settings);
    }
};

}  // namespace strumix
