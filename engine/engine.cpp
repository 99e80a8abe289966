#include "engine.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "arrangecounters.h"
#include "busyscope.h"
#include "randomsource.h"

namespace vantry {

Engine::Engine(GameState& state, RandomSource& random) : state_(state), random_(random) {}

GameListener& Engine::Listener() const {
    static GameListener deaf;  // heard by an engine nobody watches
    return listener_ ? *listener_ : deaf;
}
void Engine::Changed() { Listener().Changed(); }

void Engine::AddRecordFollower(RecordFollower* follower) {
    if (follower && std::find(followers_.begin(), followers_.end(), follower) == followers_.end()) {
        followers_.push_back(follower);
    }
}

void Engine::RemoveRecordFollower(RecordFollower* follower) {
    followers_.erase(std::remove(followers_.begin(), followers_.end(), follower), followers_.end());
}

void Engine::Apply(RecordEvent event) {
    Take(event, true);
    Record(std::move(event));
}

// Every follower hears the event before the listener, whose win windows keep the move waiting.
void Engine::Record(RecordEvent event, bool restarted) {
    for (std::size_t k = 0; k < SeatCount; ++k) event.places[k] = {state_.Counters[k].left, state_.Counters[k].top};
    winWatch_.Mark(event);
    state_.Record.push_back(std::move(event));
    for (RecordFollower* f : followers_) f->Recorded(state_.Record, restarted);
    Listener().Recorded(state_.Record, restarted);
}

// Sets side by side the counters that share the square of the seat on turn, and names those
// whose places changed.
std::uint8_t Engine::Arrange() {
    const auto before = state_.Counters;
    vantry::ArrangeCounters(state_.Counters, state_.CurrentPlayer);
    std::uint8_t moved = 0;
    for (std::size_t k = 0; k < SeatCount; ++k) {
        if (state_.Counters[k].left != before[k].left) moved = static_cast<std::uint8_t>(moved | 1u << k);
    }
    return moved;
}

void Engine::Throw() {
    if (following_) {
        if (requests_) requests_->AskThrow();
        return;
    }
    constexpr int ReseedsPerThrow = 6;
    for (int n = 0; n < ReseedsPerThrow; ++n) random_.Reseed();
    const float r = random_.Next();
    // A source outside [0, 1) must not pick a face that does not exist.
    const int face = std::clamp(static_cast<int>(std::floor(r * 6.0f + 1.0f)) - 1, 0, 5);
    Apply(RecordEvent::ThrowOf(state_.CurrentPlayer, face));
}

void Engine::picM_Click(std::int16_t index) {
    if (following_) {
        if (requests_ && index == state_.CurrentPlayer) requests_->AskMove(index);
        return;
    }
    BusyScope busy(moving_);
    const std::uint32_t game = state_.GamesStarted;
    bool arranged = false;

    if (index == state_.CurrentPlayer) {
        const auto seat = static_cast<std::size_t>(index);
        const int from = state_.Position[seat];
        const int p = from + state_.TossIndex + 1;
        // A count at the 16-bit ceiling cannot grow; the step is left out and the move goes on.
        const int moves = std::min<int>(state_.MoveCount[seat] + 1, std::numeric_limits<std::int16_t>::max());
        // A counter still beside the board moves from the start.
        RecordEvent e = RecordEvent::MoveOf({index, from, std::min<int>(p, FinalPosition), SquareEffect(p), moves},
                                            state_.AtStart(index));
        Take(e, true);
        PlaceCounter(state_.Counters[seat], e.to, state_.Counters[seat].height);
        e.placed = static_cast<std::uint8_t>(1u << seat);
        if (e.to == FinalPosition) {
            Record(std::move(e));
            Apply(RecordEvent::WinOf(index, state_.MoveCount[seat]));
        } else {
            // Nothing comes between this move and the closing steps, so the counters it meets
            // step aside with it and the move tells every place it changed.
            e.placed = static_cast<std::uint8_t>(e.placed | Arrange());
            arranged = true;
            Record(std::move(e));
        }
    }

    state_.CounterEnabled.fill(false);
    state_.GoEnabled = false;
    // A game reset or loaded while the win's windows were open keeps its own seat on turn.
    if (state_.GamesStarted != game) {
        Changed();
        return;
    }
    const std::uint8_t stepped = arranged ? 0 : Arrange();
    state_.CurrentPlayer = static_cast<std::int16_t>(state_.CurrentPlayer + 1 > 3 ? 0 : state_.CurrentPlayer + 1);
    RecordEvent turn = RecordEvent::TurnOf(state_.CurrentPlayer);
    turn.placed = stepped;
    Record(std::move(turn));
}

void Engine::cmdGo_Click() { picM_Click(state_.CurrentPlayer); }

void Engine::timPlay_Timer() {
    if (moving_ || following_ || !state_.IsComputer[static_cast<std::size_t>(state_.CurrentPlayer)]) return;
    Throw();
    SetTimer(GameTimer::timGo, true);
    SetTimer(GameTimer::timPlay, false);
    Changed();
}

void Engine::timGo_Timer() {
    if (moving_ || following_ || !state_.IsComputer[static_cast<std::size_t>(state_.CurrentPlayer)]) return;
    picM_Click(state_.CurrentPlayer);
    SetTimer(GameTimer::timGo, false);
    SetTimer(GameTimer::timPlay, true);
    Changed();
}

void Engine::Timer1_Timer() {
    const auto c = static_cast<std::size_t>(state_.CurrentPlayer);
    state_.NameLit[(c + 3) % 4] = true;
    state_.NameLit[c] = !state_.NameLit[c];
    Listener().Blinked();
}

void Engine::SetTimer(GameTimer timer, bool on) {
    state_.TimerOn[static_cast<std::size_t>(timer)] = on;
    // A blink stopped in its dark half would leave that player's name off the board.
    if (timer == GameTimer::Timer1 && !on) state_.NameLit.fill(true);
}

void Engine::StartTurnCycle() {
    SetTimer(GameTimer::Timer1, true);
    SetTimer(GameTimer::timPlay, true);
    SetTimer(GameTimer::timGo, false);
}

void Engine::PauseTurnCycle() {
    SetTimer(GameTimer::Timer1, false);
    SetTimer(GameTimer::timGo, false);
    SetTimer(GameTimer::timPlay, false);
    Changed();
}

void Engine::ResumeTurnCycle() {
    StartTurnCycle();
    Changed();
}

void Engine::ResetBoard() {
    StopFollowing();
    state_.GamePath.clear();
    // Whatever came before belongs to the game that was replaced.
    state_.Record.clear();
    // A new game, as a follower takes one: every seat at the start and seat 0 on turn, the
    // start face on show and the turn cycle running. A throw of the old game may still wait
    // for its move; the new one starts with a throw.
    RecordEvent start;
    start.placed = 0xf;
    for (std::size_t i = 0; i < SeatCount; ++i) {
        start.places[i] = {CounterStartLeft + CounterSpacing * static_cast<float>(i), CounterStartTop};
    }
    Take(start, false);
    Record(std::move(start), true);
}

void Engine::ReplaceGame(const GameSetup& game, const std::string& path, bool spread) {
    StopFollowing();
    state_.IsComputer = game.IsComputer;
    state_.MoveCount = game.MoveCount;
    state_.Position = game.Position;
    state_.CurrentPlayer = game.CurrentPlayer;
    state_.Names = game.Names;
    const float height = state_.Counters[static_cast<std::size_t>(state_.CurrentPlayer)].height;
    for (std::size_t k = 0; k < SeatCount; ++k) PlaceCounter(state_.Counters[k], state_.Position[k], height);
    if (spread) vantry::ArrangeCounters(state_.Counters, state_.CurrentPlayer);
    state_.GamePath = path;
    state_.Record = game.Record;
    // The opened game begins the record's new part, which followers read afresh, and every
    // counter stands at its place at once.
    ++state_.GamesStarted;
    Record(RecordEvent::StartOf(state_, RecordEvent::Kind::Opened, path.substr(path.find_last_of('/') + 1)), true);
}

// A seat's entry changes and the board shows it; a seat that does not exist changes nothing.
template <class T>
void Engine::SetSeatValue(std::array<T, SeatCount>& values, int seat, const T& value) {
    if (seat < 0 || seat >= SeatCount) return;
    values[static_cast<std::size_t>(seat)] = value;
    Changed();
}

void Engine::SetSeat(int seat, bool computer, const std::string& name) {
    if (seat < 0 || seat >= SeatCount) return;
    state_.IsComputer[static_cast<std::size_t>(seat)] = computer;
    SetName(seat, name);
}

void Engine::SetName(int seat, const std::string& name) { SetSeatValue(state_.Names, seat, name); }

// A game begun or opened here ends this copy's part in another computer's game.
void Engine::StopFollowing() {
    if (!following_) return;
    following_ = false;
    state_.Remote.fill(false);
    state_.Away.fill(false);
}

void Engine::SetRemote(int seat, bool remote) { SetSeatValue(state_.Remote, seat, remote); }

void Engine::SetAway(int seat, bool away) { SetSeatValue(state_.Away, seat, away); }

void Engine::SetGamePath(const std::string& path) {
    state_.GamePath = path;
    Changed();
}

}  // namespace vantry
