#pragma once

#include "media/cueplayer.h"

// The sound module's one entry point. The module alone links the audio system, which is loaded
// with it at the first cue rather than with the program; the name carries the interface's
// version so that a module left over from another build is not taken for this one.
#define VANTRY_SOUND_MODULE_ENTRY "vantry_sound_create_cue_player_v1"

// The entry point's type: it returns a new cue player on the system's audio output, which the
// caller owns.
extern "C" using VantrySoundCreate = vantry::CuePlayer* (*)();
