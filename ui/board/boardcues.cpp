#include "board/boardcues.h"

#include <QLibrary>

#include "media/soundmodule.h"
#include "playeroptions.h"

namespace vantry {

// The media folder is found at the first cue, and again after a cue whose file was not there,
// so that a folder that goes and comes back while the game runs is followed. Without the module
// every cue is silent, and its folder is not what is missing.
void BoardCues::Play(Cue cue) {
    if (!soundOn_) return;
    if (!mediaFound_) mediaFolder_ = FindMediaFolder();
    CuePlayer* player = Player();
    mediaFound_ = player == nullptr || player->Play(CueFile(mediaFolder_, cue));
}

CuePlayer* BoardCues::Player() {
    if (moduleTried_) return player_.get();
    moduleTried_ = true;
    QLibrary module(soundModule_);
    const auto create = reinterpret_cast<VantrySoundCreate>(module.resolve(VANTRY_SOUND_MODULE_ENTRY));
    if (create) SetPlayer(std::unique_ptr<CuePlayer>(create()));
    return player_.get();
}

void BoardCues::Apply(bool soundOn, int volume) {
    soundOn_ = soundOn;
    volume_ = static_cast<float>(volume) / static_cast<float>(PlayerOptions::MaxVolume);
    if (player_) player_->SetVolume(volume_);
}

void BoardCues::SetPlayer(std::unique_ptr<CuePlayer> player) {
    if (!player) return;
    moduleTried_ = true;
    player_ = std::move(player);
    player_->SetVolume(volume_);
}

}  // namespace vantry
