#include "dialogs/racepoints.h"

#include <algorithm>

namespace vantry {

std::vector<RaceSpan> RaceSpans(const SeatRace& race, std::size_t longest, int columns) {
    const auto across = static_cast<std::size_t>(std::max(columns, 1));
    const std::size_t foot = std::max({longest, race.steps.size(), std::size_t{1}});
    std::vector<RaceSpan> spans;
    spans.reserve(std::min(race.steps.size(), across) + 1);
    const auto add = [&](std::size_t move, int square) {
        const std::size_t column = move * across / foot;
        if (spans.empty() || spans.back().column != column) {
            spans.push_back({column, square, square});
            return;
        }
        spans.back().low = std::min(spans.back().low, square);
        spans.back().high = std::max(spans.back().high, square);
    };
    add(0, race.start);
    for (std::size_t m = 0; m < race.steps.size(); ++m) {
        add(m + 1, race.steps[m].reached);
        add(m + 1, race.steps[m].to);
    }
    return spans;
}

}  // namespace vantry
