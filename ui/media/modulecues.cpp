#include "media/modulecues.h"

#include <QLibrary>

#include "media/soundmodule.h"

namespace vantry {

CuePlayer* ModuleCues::Player() {
    if (tried_) return player_.get();
    tried_ = true;
    QLibrary module(modulePath_);
    const auto create = reinterpret_cast<VantrySoundCreate>(module.resolve(VANTRY_SOUND_MODULE_ENTRY));
    if (create) player_.reset(create());
    if (player_) player_->SetVolume(volume_);
    return player_.get();
}

// Without the module every cue is silent, and its folder is not what is missing.
bool ModuleCues::Play(const QString& path) {
    CuePlayer* player = Player();
    return player == nullptr || player->Play(path);
}

void ModuleCues::SetVolume(float level) {
    volume_ = level;
    if (player_) player_->SetVolume(level);
}

}  // namespace vantry
