#pragma once

#include <array>

#include "arrangecounters.h"

namespace vantry {

struct MoveReport;

// The way a drawn counter goes to its place: waypoints in twips with the time at which each
// leg ends, in a fixed array so that following it allocates nothing. The last leg leads to the
// target the caller names, the place the event gave the counter.
class TravelPath {
public:
    static constexpr int Capacity = 16;

    TravelPath() = default;
    // A way that starts at `from` and has no legs yet.
    explicit TravelPath(CounterPlace from);

    // Adds a leg to `next`, taking `ms`; a way already full drops its further waypoints. A hop
    // rises a little over its leg and comes down on its end, so each square passed is seen.
    void Via(CounterPlace next, float ms, bool hop = false);
    // The last leg, to the target, taking `ms`.
    void Finish(float ms, bool hop = false);

    float TotalMs() const { return ends_[static_cast<std::size_t>(count_ - 1)]; }
    int WaypointCount() const { return count_; }
    CounterPlace Waypoint(int i) const { return points_[static_cast<std::size_t>(i)]; }

    // Where the counter is drawn `ms` after it set off; at the target once the way is done.
    CounterPlace At(float ms, CounterPlace target) const;

private:
    std::array<CounterPlace, Capacity> points_{};
    // ends_[i] is when the leg from points_[i] ends: at points_[i + 1], or at the target for
    // the last one.
    std::array<float, Capacity> ends_{};
    std::array<bool, Capacity> hops_{};
    int count_ = 1;
};

// The counter's way for one move, from where it is drawn: a hop to each square from the one
// after `from` up to the one the throw reached, each at its place by the placement rule; then
// the climb up the ladder or the slide down the snake's body to the move's end. The whole way
// takes no more than MoveMs; hops are shortened when the throw is long.
TravelPath MovePath(const MoveReport& move, CounterPlace drawn, float width, float height);

constexpr float MoveMs = 440.0f;
constexpr float HopMs = 55.0f;
constexpr float JumpMs = 220.0f;
// A straight glide from where a counter is drawn to its new place.
constexpr float GlideMs = 150.0f;
// How high a hop rises at its middle.
constexpr float HopRise = 90.0f;

}  // namespace vantry
