#include <benchmark/benchmark.h>

#include <cstdint>

#include "allocationcount.h"
#include "gamelistener.h"
#include "board/travelpath.h"

namespace {

using vantry::CounterPlace;
using vantry::bench::AllocationCount;

constexpr float Width = 255.0f;
constexpr float Height = 615.0f;
constexpr float FrameMs = 16.0f;

// The drawn counters' part of a frame: the place of each of four counters on its way, here all
// on the longest way there is (six hops and the longest snake), frame after frame to its end.
void BM_TravelFrame(benchmark::State& s) {
    const vantry::MoveReport move{0, 76, 82, 36, 20};
    const CounterPlace target = vantry::PlaceOf(36, Height);
    float sum = 0.0f;
    const auto travelOnce = [&] {
        const vantry::TravelPath path = vantry::MovePath(move, vantry::PlaceOf(76, Height), Width, Height);
        int frames = 0;
        for (float ms = 0.0f; ms <= path.TotalMs(); ms += FrameMs, ++frames) {
            for (int counter = 0; counter < 4; ++counter) sum += path.At(ms, target).left;
        }
        return frames;
    };
    // Counted apart from the timed loop, which the benchmark library may allocate in.
    const std::uint64_t before = AllocationCount();
    std::int64_t frames = 0;
    constexpr int CountedTravels = 10000;
    for (int n = 0; n < CountedTravels; ++n) frames += travelOnce();
    const std::uint64_t allocations = AllocationCount() - before;

    for (auto _ : s) benchmark::DoNotOptimize(travelOnce());
    benchmark::DoNotOptimize(sum);
    s.counters["frames_per_travel"] = static_cast<double>(frames) / CountedTravels;
    s.counters["allocs_per_frame"] = static_cast<double>(allocations) / static_cast<double>(frames);
}
BENCHMARK(BM_TravelFrame);

}  // namespace
