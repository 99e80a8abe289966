#pragma once

#include <QString>

#include <array>
#include <cstdint>

#include "gamerecord.h"

namespace vantry {

class Engine;
struct GameState;

// The 17 fields through which every saved game is written and read, held in file order, and
// the game's record that follows them. The seats appear as 1, 3, 0, 2 in each group (Blue,
// Green, Red, Yellow), and the current player sits between the pairs of seat 0 and seat 2.
struct SaveRecord {
    static constexpr int FieldCount = 17;
    static constexpr std::array<int, 4> SeatOrder{1, 3, 0, 2};

    // Fields 1..4: "True" when the computer plays the seat, "False" when a person does.
    std::array<QString, 4> Kinds;
    // Fields 5..13: moves and square of seats 1, 3 and 0, the current player, moves and
    // square of seat 2.
    std::array<std::int16_t, 9> Numbers{};
    // Fields 14..17: the players' names.
    std::array<QString, 4> Names;
    // The events that led to the game; empty when the file holds none or a damaged one.
    GameRecord Events;

    // Index into Kinds and Names of a seat's entry.
    static int SlotOf(int seat);
    // Index into Numbers of a seat's move count and square, and of the current player.
    static int MovesIndex(int seat);
    static int SquareIndex(int seat) { return MovesIndex(seat) + 1; }
    static constexpr int CurrentPlayerIndex = 6;
    // The sentence telling that number field `field` (4..12, file order) reads `text`, which is
    // no 16-bit whole number.
    static QString NotANumber(int field, const QString& text);

    QString& Kind(int seat) { return Kinds[static_cast<std::size_t>(SlotOf(seat))]; }
    const QString& Kind(int seat) const { return Kinds[static_cast<std::size_t>(SlotOf(seat))]; }
    QString& Name(int seat) { return Names[static_cast<std::size_t>(SlotOf(seat))]; }
    const QString& Name(int seat) const { return Names[static_cast<std::size_t>(SlotOf(seat))]; }
    std::int16_t& Moves(int seat) { return Numbers[static_cast<std::size_t>(MovesIndex(seat))]; }
    std::int16_t Moves(int seat) const { return Numbers[static_cast<std::size_t>(MovesIndex(seat))]; }
    std::int16_t& Square(int seat) { return Numbers[static_cast<std::size_t>(SquareIndex(seat))]; }
    std::int16_t Square(int seat) const { return Numbers[static_cast<std::size_t>(SquareIndex(seat))]; }
    std::int16_t& CurrentPlayer() { return Numbers[CurrentPlayerIndex]; }
    std::int16_t CurrentPlayer() const { return Numbers[CurrentPlayerIndex]; }

    bool operator==(const SaveRecord& other) const {
        return Kinds == other.Kinds && Numbers == other.Numbers && Names == other.Names && Events == other.Events;
    }
};

// The outcome of a file operation or a check: on failure `error` says why, in a sentence the
// user can read.
struct RecordResult {
    bool ok = false;
    QString error;

    static RecordResult Success() { return {true, {}}; }
    static RecordResult Failure(QString why) { return {false, std::move(why)}; }
};

// Takes the record from the game on the board. Cannot fail.
SaveRecord FillSaveRecord(const GameState& state);

// Checks every field of the record against the game's ranges and converts the kinds: true for
// "True" in any letter case or a non-zero numeral, false for "False" or zero.
RecordResult CheckSaveRecord(const SaveRecord& record, std::array<bool, 4>* isComputer = nullptr);

// Puts the record's game on the board, tied to `path`: kinds, moves, squares, the current
// player, names, the counters on their squares and the game's events when they lead to those
// squares and counts (otherwise the game starts its record afresh). The fields are checked
// first; when a check fails nothing at all changes. Counters sharing a square are left over each other unless
// `spread` sets them side by side; the timers and the die stay as they were.
RecordResult ApplySaveRecord(const SaveRecord& record, Engine& engine, const QString& path, bool spread = false);

}  // namespace vantry
