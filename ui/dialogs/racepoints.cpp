#include "racepoints.h"

#include <algorithm>
#include <array>

namespace vantry {

namespace {

// A corner with its place in the line, which orders the corners a column keeps.
struct Corner {
    std::size_t order = 0;
    RacePoint point;
};

// The corners of one column of the chart, down to the four a line can show there.
class Column {
public:
    void Add(const Corner& c) {
        if (empty_) first_ = low_ = high_ = c;
        empty_ = false;
        if (c.point.square < low_.point.square) low_ = c;
        if (c.point.square > high_.point.square) high_ = c;
        last_ = c;
    }
    void MoveTo(std::vector<RacePoint>& points, std::size_t) {
        if (empty_) return;
        std::array<Corner, 4> kept{first_, low_, high_, last_};
        std::sort(kept.begin(), kept.end(), [](const Corner& a, const Corner& b) { return a.order < b.order; });
        for (std::size_t i = 0; i < kept.size(); ++i) {
            if (i == 0 || kept[i].order != kept[i - 1].order) points.push_back(kept[i].point);
        }
        empty_ = true;
    }
    void MoveTo(std::vector<RaceSpan>& spans, std::size_t at) {
        if (empty_) return;
        spans.push_back({at, low_.point.square, high_.point.square});
        empty_ = true;
    }

private:
    bool empty_ = true;
    Corner first_;
    Corner low_;
    Corner high_;
    Corner last_;
};

// Every corner of the seat's line, each handed to the column it falls in, in their order.
template <typename Out>
void Fill(const SeatRace& race, std::size_t longest, int columns, Out& out) {
    const auto across = static_cast<std::size_t>(std::max(columns, 1));
    const std::size_t foot = std::max({longest, race.steps.size(), std::size_t{1}});
    Column column;
    std::size_t filling = 0;
    std::size_t order = 0;
    const auto add = [&](std::size_t move, int square) {
        const std::size_t at = move * across / foot;
        if (at != filling) column.MoveTo(out, filling);
        filling = at;
        column.Add({order++, {move, square}});
    };
    add(0, race.start);
    for (std::size_t m = 0; m < race.steps.size(); ++m) {
        add(m + 1, race.steps[m].reached);
        if (race.steps[m].to != race.steps[m].reached) add(m + 1, race.steps[m].to);
    }
    column.MoveTo(out, filling);
}

}  // namespace

std::vector<RacePoint> RacePoints(const SeatRace& race, std::size_t longest, int columns) {
    const auto across = static_cast<std::size_t>(std::max(columns, 1));
    std::vector<RacePoint> points;
    points.reserve(2 * std::min(race.steps.size(), 2 * across) + 1);
    Fill(race, longest, columns, points);
    return points;
}

std::vector<RaceSpan> RaceSpans(const SeatRace& race, std::size_t longest, int columns) {
    std::vector<RaceSpan> spans;
    spans.reserve(std::min(race.steps.size(), static_cast<std::size_t>(std::max(columns, 1))) + 1);
    Fill(race, longest, columns, spans);
    return spans;
}

}  // namespace vantry
