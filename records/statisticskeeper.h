#pragma once

#include <functional>

#include "gamerecord.h"
#include "userstorewrite.h"

namespace vantry {

struct GameState;
class Prompter;
class StoreFailureNotice;

// Stores every player's part of a game the moment it is won, before the win's windows open, so
// that leaving by the best players' "Exit" loses nothing. A game counts once: a second win on
// the same board, or a game opened already won, adds nothing. A store that cannot be written
// is told through the run's one notice.
class StatisticsKeeper final : public RecordFollower {
public:
    StatisticsKeeper(const GameState& state, Prompter& prompter, StoreFailureNotice& notice);

    // Called after a game was stored, to show the new figures.
    void OnStored(std::function<void()> stored) { stored_ = std::move(stored); }

    void Recorded(const GameRecord& record, bool restarted) override;

    // The player's message about figures that could not be stored.
    static QString FailureText(const StoreFailure& failure);

private:
    const GameState& state_;
    Prompter& prompter_;
    StoreFailureNotice& notice_;
    std::function<void()> stored_;
};

}  // namespace vantry
