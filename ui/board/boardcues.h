#pragma once

#include <QString>

#include <memory>

#include "media/cueplayer.h"
#include "media/mediafolder.h"
#include "gamelistener.h"

namespace vantry {

// The board's sound: the cue player, the media folder its files come from, and the player's
// sound and volume options. The board window hands it each cue the engine names. The player
// itself lives in the sound module, which is loaded at the first cue so that starting the game
// never pays for the audio system. A module that is missing or cannot be loaded makes every cue
// silent, without a word, and is not tried again; once loaded it stays for the rest of the run,
// as the player's code lives in it.
class BoardCues {
public:
    // `soundModule` names the module's file; by default, the one the program was built with.
    explicit BoardCues(QString soundModule = FindSoundModule()) : soundModule_(std::move(soundModule)) {}

    void Play(Cue cue);
    // Sound on or off, and the volume in percent of full loudness.
    void Apply(bool soundOn, int volume);
    // Replaces the cue player; the board's own comes from the sound module.
    void SetPlayer(std::unique_ptr<CuePlayer> player);
    QString MediaFolder() const { return mediaFolder_; }
    // Whether a cue player is there: the module's once it has been loaded and gave one.
    bool Loaded() const { return player_ != nullptr; }

private:
    CuePlayer* Player();

    const QString soundModule_;
    bool moduleTried_ = false;
    std::unique_ptr<CuePlayer> player_;
    QString mediaFolder_;
    bool mediaFound_ = false;
    bool soundOn_ = true;
    float volume_ = 1.0f;
};

}  // namespace vantry
