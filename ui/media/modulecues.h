#pragma once

#include <QString>

#include <memory>

#include "media/cueplayer.h"
#include "media/mediafolder.h"

namespace vantry {

// The board's cue player: the player itself lives in the sound module, which is loaded at the
// first cue so that starting the game never pays for the audio system. A module that is
// missing or cannot be loaded makes every cue silent, without a word, and is not tried again.
class ModuleCues : public CuePlayer {
public:
    // `modulePath` names the module's file; by default, the one the program was built with.
    // The module stays loaded for the rest of the run: the player's code lives in it.
    explicit ModuleCues(QString modulePath = FindSoundModule()) : modulePath_(std::move(modulePath)) {}

    bool Play(const QString& path) override;
    void SetVolume(float level) override;
    // Whether the module has been loaded and gave a player; false before the first cue.
    bool Loaded() const { return player_ != nullptr; }

private:
    CuePlayer* Player();

    const QString modulePath_;
    bool tried_ = false;
    float volume_ = 1.0f;
    std::unique_ptr<CuePlayer> player_;
};

}  // namespace vantry
