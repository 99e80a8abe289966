#include "board/boardcues.h"

#include "media/mediafolder.h"
#include "media/modulecues.h"
#include "playeroptions.h"

namespace vantry {

BoardCues::BoardCues() : player_(std::make_unique<ModuleCues>()) {}

// The media folder is found at the first cue, and again after a cue whose file was not there,
// so that a folder that goes and comes back while the game runs is followed.
void BoardCues::Play(Cue cue) {
    if (!soundOn_) return;
    if (!mediaFound_) mediaFolder_ = FindMediaFolder();
    mediaFound_ = player_->Play(CueFile(mediaFolder_, cue));
}

void BoardCues::Apply(bool soundOn, int volume) {
    soundOn_ = soundOn;
    volume_ = static_cast<float>(volume) / static_cast<float>(PlayerOptions::MaxVolume);
    player_->SetVolume(volume_);
}

void BoardCues::SetPlayer(std::unique_ptr<CuePlayer> player) {
    if (!player) return;
    player_ = std::move(player);
    player_->SetVolume(volume_);
}

}  // namespace vantry
