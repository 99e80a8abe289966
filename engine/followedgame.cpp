#include <algorithm>

#include "busyscope.h"
#include "engine.h"

namespace vantry {

void Engine::Follow(const GameRecord& record, bool restarted) {
    if (record.empty()) return;
    following_ = true;
    BusyScope busy(moving_);
    if (!restarted) return Apply(record.back());
    // Taken whole, the events set the state without a sound, and the followers read the record
    // afresh. The last event carries every counter's place; a saved game's history has none.
    RecordEvent last = record.back();
    last.placed = 0xf;
    std::for_each(record.begin(), record.end() - 1, [this](const RecordEvent& e) { Take(e, false); });
    Take(last, false);
    winWatch_ = WinWatch();
    state_.Record.assign(record.begin(), record.end() - 1);
    for (RecordEvent& e : state_.Record) winWatch_.Mark(e);
    ++state_.GamesStarted;
    StartTurnCycle();
    if (state_.Winner() >= 0) SetTimer(GameTimer::Timer1, false);
    Record(std::move(last), true);
}

// As on the host: a new game starts the die and the turn cycle afresh, an opened one leaves
// them as they were.
void Engine::Take(const RecordEvent& event, bool cues) {
    using Kind = RecordEvent::Kind;
    const auto seat = static_cast<std::size_t>(std::clamp<int>(event.seat, 0, SeatCount - 1));
    for (std::size_t k = 0; k < SeatCount; ++k) {
        if (!event.Placed(static_cast<int>(k))) continue;
        state_.Counters[k].left = event.places[k].left;
        state_.Counters[k].top = event.places[k].top;
    }
    const auto play = [&](Cue cue) {
        if (cues) Listener().CuePlayed(cue);
    };
    switch (event.kind) {
        case Kind::NewGame:
        case Kind::Opened:
            ++state_.GamesStarted;
            state_.Position = event.positions;
            state_.MoveCount = event.moveCounts;
            state_.CurrentPlayer = std::clamp<std::int16_t>(event.current, 0, SeatCount - 1);
            if (event.kind == Kind::Opened) break;
            state_.ShownFace = StartFace;
            state_.FaceEnabled = true;
            state_.CounterEnabled.fill(false);
            state_.GoEnabled = false;
            StartTurnCycle();
            break;
        case Kind::Throw:
            play(Cue::TossClick);
            state_.TossIndex = event.face;
            state_.ShownFace = event.face;
            state_.FaceEnabled = false;
            state_.CounterEnabled[seat] = true;
            state_.GoEnabled = true;
            break;
        case Kind::Move:
            play(Cue::PicMMove);
            if (event.Move().Ladder()) play(Cue::MOH);
            if (event.Move().Snake()) play(Cue::NOH);
            state_.Position[seat] = event.to;
            state_.MoveCount[seat] = event.moves;
            state_.FaceEnabled = event.to != FinalPosition;
            break;
        case Kind::Win:
            play(Cue::Tashwiq);
            state_.WinnerMoves = event.moves;
            state_.WinnerName = state_.Names[seat];
            state_.FaceEnabled = false;
            SetTimer(GameTimer::Timer1, false);
            break;
        case Kind::Turn:
            state_.CounterEnabled.fill(false);
            state_.GoEnabled = false;
            state_.CurrentPlayer = static_cast<std::int16_t>(seat);
            break;
    }
}

}  // namespace vantry
