#include "media/soundmodule.h"

#include "media/soundcues.h"

extern "C" __attribute__((visibility("default"))) vantry::CuePlayer* vantry_sound_create_cue_player_v1() {
    return new vantry::SoundCues();
}
