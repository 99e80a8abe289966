#pragma once

#include <QString>

#include <array>
#include <optional>
#include <vector>

#include "gamerecord.h"
#include "userstorewrite.h"

namespace vantry {

// One player's figures over every game finished under that name.
struct PlayerStatistics {
    QString name;
    int games = 0;
    int wins = 0;
    // Of the player's wins: the fewest moves one took (0 before the first win) and the moves of
    // them all together, for the average.
    int fewestMoves = 0;
    long long winMoves = 0;
    int ladders = 0;
    int snakes = 0;

    double AverageMoves() const { return wins > 0 ? static_cast<double>(winMoves) / wins : 0.0; }
    bool operator==(const PlayerStatistics& other) const;
};

// Most wins first, then most games, then by name.
using StatisticsTable = std::vector<PlayerStatistics>;

// What a won game adds: each seat's player, the winner and what every seat met on the way.
struct FinishedGame {
    std::array<QString, 4> names;
    int winner = 0;
    int winnerMoves = 0;
    std::array<SeatTally, 4> tally{};
};

// The game as the record tells it, with the seats' names as the board shows them.
FinishedGame FinishedGameOf(const GameRecord& record, const std::array<QString, 4>& names);

// Adds the game to the table. A player who sat at two seats counts the game once; a seat whose
// name is blank counts for nobody.
void AddGame(StatisticsTable& table, const FinishedGame& game);

// The figures in the per-user store, section "Statistics": "Players" rows, each row n with the
// player's name as the value of "Name<n>" (so any name can be kept) and the figures under
// "Games<n>", "Wins<n>", "FewestMoves<n>", "WinMoves<n>", "Ladders<n>" and "Snakes<n>". A figure
// that is missing or not a count reads as 0; rows of one name are taken together. Every row
// whose name is stored counts, whatever "Players" says, and reading costs only the rows stored.
StatisticsTable ReadStoredStatistics();

// Adds the game to the figures as they are stored now, so that another copy of the game that
// stored its own games meanwhile loses none of them: the read and the write are one step under
// a lock of their own that every copy takes. No value when stored.
std::optional<StoreFailure> StoreFinishedGame(const FinishedGame& game, int lockWaitMs = StoreLockWaitMs);

// Removes every player's figures; nothing outside "Statistics" is touched.
std::optional<StoreFailure> ClearStoredStatistics(int lockWaitMs = StoreLockWaitMs);

}  // namespace vantry
