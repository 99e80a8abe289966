#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <array>

#include "board/travelpath.h"
#include "twips.h"

namespace vantry {

class ClickPanel;
struct GameState;
struct PlayerOptions;
struct RecordEvent;

// Moves the four drawn counters to the places the record's events give them. The state takes a
// move's place at once, as every rule needs; the drawn counter follows it over a few hundred
// milliseconds: square by square along the track, then up the ladder or down the snake, and a
// side-step glides. Nothing of the game waits for it. One timer serves all four counters and
// runs only while one of them is on its way.
class CounterTravel : public QObject {
    Q_OBJECT
public:
    CounterTravel(const GameState& state, const std::array<ClickPanel*, 4>& counters);

    // The player's travel option and pace. The travel is the one switch of the board's motion
    // (counters and die alike), overruled by VANTRY_NO_TRAVEL=1; off, every counter stands at its
    // place at once, and a way under travel ends where it is. The computer's throw and move timers
    // tick at the pace; a move's travel, made to end within the designed half second, is played
    // faster at a brisker pace so that it still ends before the next tick; at the designed pace
    // and slower ones it runs at its own speed.
    void Apply(const PlayerOptions& options);
    bool Enabled() const { return enabled_; }

    // The counters an event placed go to their new places: a move's own counter along the
    // move's way, any other straight from where it is drawn; a new or opened game's, or any
    // when `jump`, at once.
    void Follow(const RecordEvent& event, bool jump = false);
    // Where the board stands in its window: every counter is drawn again by it.
    void SetMapping(const TwipsMapping& mapping);

    // Draws every travelling counter as it stands `nowMs` after the clock started; the timer
    // calls it, tests call it with times of their own.
    void Frame(qint64 nowMs);
    qint64 Now() const;

    bool Travelling(int i) const { return travelling_[Index(i)]; }
    CounterPlace Drawn(int i) const { return drawn_[Index(i)]; }

private:
    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
    // Puts counter i on its place at once, leaving any way it was on.
    void Jump(int i);
    void SetOff(int i, const TravelPath& path);
    void Draw(int i);

    const GameState& state_;
    std::array<ClickPanel*, 4> counters_{};
    bool enabled_ = true;
    float speed_ = 1.0f;
    std::array<TravelPath, 4> paths_{};
    std::array<qint64, 4> startedAt_{};
    std::array<bool, 4> travelling_{};
    std::array<CounterPlace, 4> drawn_{};
    // Where each counter's way ends: its place by the last event that set it.
    std::array<CounterPlace, 4> targets_{};
    TwipsMapping mapping_;
    QTimer timer_;
    QElapsedTimer clock_;
};

}  // namespace vantry
