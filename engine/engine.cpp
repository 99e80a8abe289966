#include "engine.h"

#include <cmath>
#include <limits>

#include "arrangecounters.h"
#include "boardview.h"
#include "gamestate.h"
#include "randomsource.h"
#include "standings.h"

namespace vantry {

namespace {
constexpr int StartFace = 6;
constexpr int ReseedsPerThrow = 6;

// Raises the busy flag for the length of a move and puts back what it found, so that a move
// started from inside another one's win windows does not clear the outer move's flag early.
class BusyScope {
public:
    explicit BusyScope(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = before_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
    bool before_;
};
}  // namespace

Engine::Engine(GameState& state, BoardView& view, RandomSource& random)
    : state_(state), view_(view), random_(random) {}

void Engine::Throw() {
    for (int n = 0; n < ReseedsPerThrow; ++n) random_.Reseed();
    view_.FindMediaFolder();
    view_.PlayCue(Cue::TossClick);

    const float r = random_.Next();
    int face = static_cast<int>(std::floor(r * 6.0f + 1.0f)) - 1;
    if (face < 0) face = 0;  // a source outside [0, 1) must not pick a face that does not exist
    if (face > 5) face = 5;
    tossIndex_ = static_cast<std::int16_t>(face);

    for (int k = 0; k <= StartFace; ++k) view_.SetFaceVisible(k, false);
    view_.SetCounterEnabled(state_.CurrentPlayer, true);
    view_.SetGoEnabled(true);
    view_.SetFaceVisible(tossIndex_, true);
    view_.SetFaceEnabled(tossIndex_, false);
    view_.Thrown(state_.CurrentPlayer, tossIndex_);
}

void Engine::picM_Click(std::int16_t index) {
    BusyScope busy(moving_);
    const std::uint32_t game = state_.GamesStarted;

    view_.FindMediaFolder();
    if (index == state_.CurrentPlayer) {
        const auto seat = static_cast<std::size_t>(index);
        view_.PlayCue(Cue::PicMMove);
        const int from = state_.Position[seat];
        int p = from + tossIndex_ + 1;
        const int reached = p >= FinalPosition ? FinalPosition : p;
        // A count at the 16-bit ceiling cannot grow; the step is left out and the move goes on.
        if (state_.MoveCount[seat] < std::numeric_limits<std::int16_t>::max()) ++state_.MoveCount[seat];
        if (IsLadderFoot(p)) view_.PlayCue(Cue::MOH);
        p = ApplyLadders(p);
        if (IsSnakeHead(p)) view_.PlayCue(Cue::NOH);
        p = ApplySnakes(p);
        if (p >= FinalPosition) p = FinalPosition;
        state_.Position[seat] = static_cast<std::int16_t>(p);

        view_.CounterMoved(MoveReport{index, from, reached, p, state_.MoveCount[seat]});
        PlaceCounter(view_, state_.CurrentPlayer, p, view_.CounterHeight(state_.CurrentPlayer));

        if (p == FinalPosition) {
            Win(index);
        } else {
            view_.SetFaceEnabled(tossIndex_, true);
        }
    }

    for (int i = 0; i < SeatCount; ++i) view_.SetCounterEnabled(i, false);
    view_.SetGoEnabled(false);
    // A game reset or loaded while the win's windows were open keeps its own seat on turn.
    if (state_.GamesStarted != game) return;
    ArrangeCounters(view_, state_.CurrentPlayer);
    state_.CurrentPlayer = static_cast<std::int16_t>(state_.CurrentPlayer + 1 > 3 ? 0 : state_.CurrentPlayer + 1);
    view_.TurnPassed(state_.CurrentPlayer);
}

void Engine::Win(int seat) {
    const auto s = static_cast<std::size_t>(seat);
    state_.WinnerMoves = state_.MoveCount[s];
    state_.WinnerName = view_.NameCaption(seat);
    view_.PlayCue(Cue::Tashwiq);
    view_.SetTimerEnabled(GameTimer::Timer1, false);
    view_.SetFaceEnabled(tossIndex_, false);

    // The ranks take their names and squares as they are placed; the winner's caption is read
    // anew for each message.
    std::string ranks;
    for (int r : Standings(seat, state_.Position)) {
        ranks += '\n';
        ranks += view_.StandingText(view_.NameCaption(r), state_.Position[static_cast<std::size_t>(r)] + 1);
    }

    view_.ShowMessage(view_.WinsText(view_.NameCaption(seat)));
    view_.ShowMessage(view_.StandingText(view_.NameCaption(seat), FinalPosition + 1) + ranks);
    view_.ShowBestPlayers();
}

void Engine::cmdGo_Click() { picM_Click(state_.CurrentPlayer); }

void Engine::timPlay_Timer() {
    if (moving_) return;
    if (!state_.IsComputer[static_cast<std::size_t>(state_.CurrentPlayer)]) return;
    Throw();
    view_.SetTimerEnabled(GameTimer::timGo, true);
    view_.SetTimerEnabled(GameTimer::timPlay, false);
}

void Engine::timGo_Timer() {
    if (moving_) return;
    if (!state_.IsComputer[static_cast<std::size_t>(state_.CurrentPlayer)]) return;
    picM_Click(state_.CurrentPlayer);
    view_.SetTimerEnabled(GameTimer::timGo, false);
    view_.SetTimerEnabled(GameTimer::timPlay, true);
}

void Engine::Timer1_Timer() {
    const int c = state_.CurrentPlayer;
    view_.SetNameVisible((c + 3) % 4, true);
    view_.SetNameVisible(c, !view_.NameVisible(c));
}

}  // namespace vantry
