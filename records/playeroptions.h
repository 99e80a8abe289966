#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "userstorewrite.h"

namespace vantry {

// The player's choices from the Settings window, kept in the per-user store's section
// "Options": Marks, Travel and Sound ("true"/"false"), Pace (250, 500 or 1000 ms), Volume
// (0..100) and Language (empty for the desktop's, else a code such as "de" or "pt_BR"). The
// values are data and read the same in every language.
struct PlayerOptions {
    // The computer's paces: the interval of its throw and move timers.
    static constexpr int RelaxedPace = 1000;
    static constexpr int DesignedPace = 500;
    static constexpr int BriskPace = 250;
    static constexpr int MaxVolume = 100;

    // A mark of its own on each seat's counter, name and new-game group.
    bool marks = true;
    // Counters travel square by square and the die rolls; off, they stand at once.
    bool travel = true;
    int pace = DesignedPace;
    bool sound = true;
    // Percent of the cues' full loudness.
    int volume = MaxVolume;
    // Taken at the next start.
    QString language;

    bool operator==(const PlayerOptions& other) const;
};

// The languages the game speaks, English first, by the codes stored under "Language".
const QStringList& GameLanguages();

// The stored options. A key that is missing, or holds anything but one of its values, reads as
// its default, without a word: a file edited by hand must never keep the game from starting.
PlayerOptions ReadPlayerOptions();

// Writes the keys of "Options" whose values differ from `before` in one go, over what the store
// holds then, so that another copy of the game that stored other choices meanwhile keeps them;
// no value when stored.
std::optional<StoreFailure> StorePlayerOptions(const PlayerOptions& options, const PlayerOptions& before,
                                               int lockWaitMs = StoreLockWaitMs);

}  // namespace vantry
