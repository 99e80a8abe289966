#pragma once

#include <string>

#include "gamestate.h"

namespace vantry::test {

// The fields in which two games differ, by name ("Position Counters[2] GamePath"); empty when
// they are the same game to the last counter place. Counter places compare exactly, as the
// stacking rule compares them.
inline std::string StateDifferences(const GameState& a, const GameState& b) {
    std::string out;
    const auto note = [&out](bool same, const std::string& field) {
        if (same) return;
        if (!out.empty()) out += ' ';
        out += field;
    };
    note(a.CurrentPlayer == b.CurrentPlayer, "CurrentPlayer");
    note(a.Position == b.Position, "Position");
    note(a.MoveCount == b.MoveCount, "MoveCount");
    note(a.IsComputer == b.IsComputer, "IsComputer");
    note(a.Names == b.Names, "Names");
    note(a.WinnerMoves == b.WinnerMoves, "WinnerMoves");
    note(a.WinnerName == b.WinnerName, "WinnerName");
    note(a.TossIndex == b.TossIndex, "TossIndex");
    note(a.ShownFace == b.ShownFace, "ShownFace");
    note(a.FaceEnabled == b.FaceEnabled, "FaceEnabled");
    note(a.CounterEnabled == b.CounterEnabled, "CounterEnabled");
    note(a.GoEnabled == b.GoEnabled, "GoEnabled");
    for (std::size_t i = 0; i < a.Counters.size(); ++i) {
        const TwipsRect& p = a.Counters[i];
        const TwipsRect& q = b.Counters[i];
        note(p.left == q.left && p.top == q.top && p.width == q.width && p.height == q.height,
             "Counters[" + std::to_string(i) + "]");
    }
    note(a.TimerOn == b.TimerOn, "TimerOn");
    note(a.NameLit == b.NameLit, "NameLit");
    note(a.GamePath == b.GamePath, "GamePath");
    note(a.RecordsStored == b.RecordsStored, "RecordsStored");
    note(a.GamesStarted == b.GamesStarted, "GamesStarted");
    return out;
}

}  // namespace vantry::test
