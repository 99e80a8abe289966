#include "media/modulecues.h"

#include <QLibrary>

#include "media/mediafolder.h"
#include "media/soundmodule.h"

namespace vantry {

ModuleCues::ModuleCues(QString modulePath) : modulePath_(std::move(modulePath)) {}
ModuleCues::ModuleCues() : ModuleCues(FindSoundModule()) {}
// The module stays loaded for the rest of the run: the player's code lives in it.
ModuleCues::~ModuleCues() = default;

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
