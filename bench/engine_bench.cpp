#include <benchmark/benchmark.h>

#include <cstdint>

#include "allocationcount.h"
#include "fastrandom.h"
#include "engine.h"
#include "gamelistener.h"
#include "gamestate.h"
#include "randomsource.h"

namespace {

using vantry::Engine;
using vantry::GameState;
using vantry::bench::AllocationCount;

// Hears only the wins, and does nothing else: no sound, no drawing, no record, so the figures
// are the engine's own.
class WinCounter final : public vantry::GameListener {
public:
    void Recorded(const vantry::GameRecord& record, bool) override {
        if (record.back().kind == vantry::RecordEvent::Kind::Win) ++wins;
    }
    long wins = 0;
};

using vantry::bench::FastRandom;

// Ordinary moves only: the seats start on different squares and a counter that comes near
// the goal is sent back to its start before it could win.
void BM_Move(benchmark::State& s) {
    GameState state;
    state.Position = {{0, 1, 3, 4}};
    WinCounter listener;
    FastRandom random;
    Engine engine(state, random);
    engine.SetListener(&listener);
    engine.Throw();
    const auto moveOnce = [&] {
        const auto seat = static_cast<std::size_t>(state.CurrentPlayer);
        if (state.Position[seat] >= 92) state.Position[seat] = static_cast<std::int16_t>(seat);
        // The record grows with every move; a game that long would have been won long before.
        if (state.Record.size() >= 65536) state.Record.clear();
        engine.picM_Click(state.CurrentPlayer);
    };
    // Counted apart from the timed loop, which the benchmark library may allocate in.
    const std::uint64_t before = AllocationCount();
    constexpr int CountedMoves = 100000;
    for (int n = 0; n < CountedMoves; ++n) moveOnce();
    const std::uint64_t allocations = AllocationCount() - before;

    for (auto _ : s) {
        moveOnce();
        benchmark::DoNotOptimize(state.Position);
    }
    s.SetItemsProcessed(s.iterations());
    s.counters["allocs_per_move"] = static_cast<double>(allocations) / CountedMoves;
    s.counters["wins"] = static_cast<double>(listener.wins);
}
BENCHMARK(BM_Move);

// Four computer seats played to the win through the tick handlers alone, as the timers would.
template <class Random>
void BM_ComputerGame(benchmark::State& s) {
    GameState state;
    state.IsComputer = {{true, true, true, true}};
    WinCounter listener;
    Random random;
    Engine engine(state, random);
    engine.SetListener(&listener);
    std::uint64_t moves = 0;
    const std::uint64_t before = AllocationCount();
    for (auto _ : s) {
        // Each game put on the board as "&New Game" does.
        engine.ResetBoard();
        const long wins = listener.wins;
        while (listener.wins == wins) {
            if (state.Timer(vantry::GameTimer::timPlay)) {
                engine.timPlay_Timer();
            } else {
                engine.timGo_Timer();
                ++moves;
            }
        }
    }
    const auto games = static_cast<double>(s.iterations());
    s.SetItemsProcessed(s.iterations());
    s.counters["moves_per_game"] = static_cast<double>(moves) / games;
    s.counters["moves_per_s"] = benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate);
    s.counters["allocs_per_game"] = static_cast<double>(AllocationCount() - before) / games;
}
BENCHMARK_TEMPLATE(BM_ComputerGame, FastRandom);
// The production die reseeds from the clock six times a throw; this is what a game costs with it.
BENCHMARK_TEMPLATE(BM_ComputerGame, vantry::ClockRandom);

}  // namespace

BENCHMARK_MAIN();
