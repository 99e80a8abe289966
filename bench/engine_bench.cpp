#include <benchmark/benchmark.h>

#include "engine.h"
#include "fakeboardview.h"
#include "gamestate.h"

namespace {

void BM_Move(benchmark::State& s) {
    vantry::GameState state;
    vantry::test::FakeBoardView view;
    vantry::test::ScriptedRandom random({0.1f});
    vantry::Engine engine(state, view, random);
    for (auto _ : s) {
        engine.picM_Click(state.CurrentPlayer);
        benchmark::DoNotOptimize(state.Position);
    }
}
BENCHMARK(BM_Move);

}  // namespace

BENCHMARK_MAIN();
