#include "board/travelpath.h"

#include <algorithm>
#include <cmath>

#include "gamelistener.h"

namespace vantry {

namespace {

constexpr float Pi = 3.14159265f;

// Points along the middle of each drawn snake's body, in board twips, from the square of its
// head in the game to the square of its tail (the pictures draw the snakes' heads at the
// lower square), read off the pictures' outlines. They are where the counter's middle goes,
// not its top-left corner.
struct SnakeBody {
    int head;
    std::array<CounterPlace, 6> points;
};

constexpr std::array<SnakeBody, 7> SnakeBodies{{
    {23, {{{7036, 6479}, {6620, 6888}, {6116, 7120}, {5636, 7332}, {5762, 7834}, {5237, 8023}}}},
    {47, {{{2849, 4878}, {2662, 5738}, {3230, 6277}, {4099, 6218}, {4802, 6684}, {4218, 7188}}}},
    {56, {{{7035, 4036}, {7288, 4652}, {7531, 5182}, {8195, 5422}, {8136, 6043}, {8763, 6292}}}},
    {68, {{{1806, 3173}, {2054, 3664}, {2527, 3916}, {3101, 4018}, {3028, 4500}, {3570, 4664}}}},
    {82, {{{8078, 1441}, {7524, 2300}, {7760, 3140}, {7175, 3918}, {7764, 4745}, {7400, 5432}}}},
    {94, {{{4935, 600}, {4498, 1006}, {4016, 1200}, {3524, 1412}, {3718, 1906}, {3181, 2114}}}},
    {98, {{{9112, 600}, {9198, 1112}, {9011, 1586}, {9229, 2038}, {9028, 2502}, {9282, 2962}}}},
}};

float Distance(CounterPlace a, CounterPlace b) { return std::hypot(b.left - a.left, b.top - a.top); }

// The slide follows the body with the counter's middle on it; each leg takes its share of the
// slide by length, so the counter slides at an even speed.
// The body's points lie apart, so the slide always has a length.
void Slide(TravelPath& path, const SnakeBody& body, CounterPlace headPlace, CounterPlace tailPlace, float width,
           float height) {
    std::array<CounterPlace, 8> way{headPlace};
    for (std::size_t i = 0; i < body.points.size(); ++i) {
        way[i + 1] = CounterPlace{body.points[i].left - width / 2.0f, body.points[i].top - height / 2.0f};
    }
    way.back() = tailPlace;
    float length = 0.0f;
    for (std::size_t i = 1; i < way.size(); ++i) length += Distance(way[i - 1], way[i]);
    for (std::size_t i = 1; i + 1 < way.size(); ++i) path.Via(way[i], JumpMs * Distance(way[i - 1], way[i]) / length);
    path.Finish(JumpMs * Distance(way[way.size() - 2], tailPlace) / length);
}

}  // namespace

TravelPath::TravelPath(CounterPlace from) { points_[0] = from; }

void TravelPath::Via(CounterPlace next, float ms, bool hop) {
    if (count_ >= Capacity) return;
    Finish(ms, hop);
    points_[static_cast<std::size_t>(count_)] = next;
    ++count_;
}

void TravelPath::Finish(float ms, bool hop) {
    const auto leg = static_cast<std::size_t>(count_ - 1);
    const float before = count_ > 1 ? ends_[leg - 1] : 0.0f;
    ends_[leg] = before + ms;
    hops_[leg] = hop;
}

CounterPlace TravelPath::At(float ms, CounterPlace target) const {
    float legStart = 0.0f;
    for (int i = 0; i < count_; ++i) {
        const auto leg = static_cast<std::size_t>(i);
        const float legEnd = ends_[leg];
        if (ms < legEnd) {
            const CounterPlace from = points_[leg];
            const CounterPlace to = i + 1 < count_ ? points_[leg + 1] : target;
            const float f = legEnd > legStart ? std::max(0.0f, ms - legStart) / (legEnd - legStart) : 1.0f;
            const float rise = hops_[leg] ? HopRise * std::sin(Pi * f) : 0.0f;
            return CounterPlace{from.left + (to.left - from.left) * f, from.top + (to.top - from.top) * f - rise};
        }
        legStart = legEnd;
    }
    return target;
}

TravelPath MovePath(const MoveReport& move, CounterPlace drawn, float width, float height) {
    TravelPath path(drawn);
    const bool jumps = move.to != move.reached;
    const int hops = std::max(1, move.reached - move.from);
    const float hopMs = std::min(HopMs, (MoveMs - (jumps ? JumpMs : 0.0f)) / static_cast<float>(hops));
    // Without a ladder or a snake the last hop lands on the target itself.
    const int lastHopped = jumps ? move.reached : move.reached - 1;
    for (int p = move.from + 1; p <= lastHopped; ++p) path.Via(PlaceOf(p, height), hopMs, true);
    const auto body = std::find_if(SnakeBodies.begin(), SnakeBodies.end(),
                                   [&move](const SnakeBody& b) { return b.head == move.reached; });
    if (!jumps) {
        path.Finish(hopMs, true);
    } else if (move.to < move.reached && body != SnakeBodies.end()) {
        Slide(path, *body, PlaceOf(move.reached, height), PlaceOf(move.to, height), width, height);
    } else {
        path.Finish(JumpMs);
    }
    return path;
}

}  // namespace vantry
