#pragma once

#include <QString>

#include <memory>

#include "media/cueplayer.h"
#include "gamelistener.h"

namespace vantry {

// The board's sound: the cue player, the media folder its files come from, and the player's
// sound and volume options. The board window hands it each cue the engine names.
class BoardCues {
public:
    BoardCues();

    void Play(Cue cue);
    // Sound on or off, and the volume in percent of full loudness.
    void Apply(bool soundOn, int volume);
    // Replaces the cue player; the board's own plays through the sound module.
    void SetPlayer(std::unique_ptr<CuePlayer> player);
    QString MediaFolder() const { return mediaFolder_; }

private:
    std::unique_ptr<CuePlayer> player_;
    QString mediaFolder_;
    bool mediaFound_ = false;
    bool soundOn_ = true;
    float volume_ = 1.0f;
};

}  // namespace vantry
