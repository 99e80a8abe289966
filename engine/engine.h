#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "gamelistener.h"
#include "gamerecord.h"
#include "gamestate.h"

namespace vantry {

class RandomSource;

// Where a copy that follows another computer's game sends what its player asks for: a throw,
// or the move of the seat's counter.
class SeatRequests {
public:
    virtual ~SeatRequests() = default;
    virtual void AskThrow() = 0;
    virtual void AskMove(int seat) = 0;
};

// The seats, names and squares of a game that replaces the one on the board: a saved game
// being opened.
struct GameSetup {
    std::array<bool, SeatCount> IsComputer{};
    std::array<std::int16_t, SeatCount> MoveCount{};
    std::array<std::int16_t, SeatCount> Position{};
    std::int16_t CurrentPlayer = 0;
    std::array<std::string, SeatCount> Names;
    // The events that led to the game, when the file kept them and they agree with it; the
    // opening itself is added after them.
    GameRecord Record;
};

// The game's rules in motion: the die, the move and the turn cycle, and the few changes the
// document and the new-game dialog make to the game. Every change goes to the state, and the
// listener hears what happened, in the order the rules fix; it draws the state afresh after
// each event. The board window forwards its clicks, keys and timer ticks here.
class Engine {
public:
    Engine(GameState& state, RandomSource& random);

    // The one listener; null (the default) hears nothing.
    void SetListener(GameListener* listener) { listener_ = listener; }
    const GameState& State() const { return state_; }
    // Followers hear the record grow in the order they were added, before the listener hears
    // the same event. They must outlive the engine or be removed.
    void AddRecordFollower(RecordFollower* follower);
    void RemoveRecordFollower(RecordFollower* follower);

    // The throw: any die face, the start face's caption, Space, or a computer seat's timPlay tick.
    void Throw();
    // The move of counter `index`: a click on it, Go (with CurrentPlayer) or a timGo tick.
    void picM_Click(std::int16_t index);
    void cmdGo_Click();

    void timPlay_Timer();
    void timGo_Timer();
    void Timer1_Timer();

    // The turn cycle's three timers: all stopped while a dialog has the board wait, and running
    // again as a turn begins (timPlay and Timer1 on, timGo off).
    void PauseTurnCycle();
    void ResumeTurnCycle();

    // The untitled new-game state: every counter back at the start, the start face on show,
    // the turn cycle running. Names and kinds stay as they are.
    void ResetBoard();
    // Puts a saved game on the board, tied to `path`: counters on their squares, the die and
    // the timers as they were. Counters that share a square are left over each other, or set
    // side by side around the seat on turn when `spread` (a game opened at start-up).
    void ReplaceGame(const GameSetup& game, const std::string& path, bool spread = false);
    void SetSeat(int seat, bool computer, const std::string& name);
    void SetName(int seat, const std::string& name);
    // The seat is played from another computer (true) or here again.
    void SetRemote(int seat, bool remote);
    void SetAway(int seat, bool away);
    void SetGamePath(const std::string& path);
    void SetRecordsStored() { state_.RecordsStored = true; }

    // True while a move waits on its win messages or the best-players window.
    bool MoveInProgress() const { return moving_; }

    // Makes this copy follow a game played on another computer: from now on the host's record
    // replaces the rules here, as a follower hears it: its last event added, or the whole
    // record taken anew (a copy that joins or comes back mid-game). The state becomes what the
    // events say, and the record and its followers hear them as if the rules here had made
    // them; the die, the moves and the computer's timers do nothing but pass the player's
    // throw and move to `requests`.
    void Follow(const GameRecord& record, bool restarted);
    void SetRequests(SeatRequests* requests) { requests_ = requests; }
    void StopFollowing();
    bool Following() const { return following_; }

private:
    void SetTimer(GameTimer timer, bool on);
    // The three timers' flags as a turn begins, with no event.
    void StartTurnCycle();
    GameListener& Listener() const;
    void Changed();
    template <class T>
    void SetSeatValue(std::array<T, SeatCount>& values, int seat, const T& value);
    void Record(RecordEvent event, bool restarted = false);
    // The event's change to the state, with its cues, then its place in the record.
    void Apply(RecordEvent event);
    std::uint8_t Arrange();
    // An event's change to the state, the same for the rules here and for a followed game; its
    // cues are played when `cues`.
    void Take(const RecordEvent& event, bool cues);

    GameState& state_;
    RandomSource& random_;
    GameListener* listener_ = nullptr;
    std::vector<RecordFollower*> followers_;
    WinWatch winWatch_;
    bool moving_ = false;
    bool following_ = false;
    SeatRequests* requests_ = nullptr;
};

}  // namespace vantry
