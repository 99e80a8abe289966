// The game log against its targets: a record of 10,000 events opens in the log within 100 ms,
// following a four-computer game with the log open costs under 0.5 % of a core more than
// without it, a saved game of 1,000 moves stays under 64 KiB, and what the race chart costs to
// draw at move 30 and at move 30,000. Runs on the offscreen platform, so the drawing is done
// but nothing reaches a screen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QListView>
#include <QStandardPaths>

#include <cstdint>
#include <ctime>

#include "engine.h"
#include "fastrandom.h"
#include "dialogs/frmlog.h"
#include "gamestate.h"
#include "dialogs/racechart.h"
#include "randomsource.h"
#include "savefile.h"
#include "saverecord.h"
#include "scriptedprompter.h"
#include "storefailurenotice.h"

namespace {

using vantry::Engine;
using vantry::GameState;

using vantry::bench::FastRandom;

// Four computer seats through the tick handlers, as the timers drive them. Nobody listens, so a
// won game goes on being played, as the board lets computer seats do.
struct ComputerGame {
    GameState state;
    FastRandom random;
    Engine engine{state, random};

    ComputerGame() {
        state.IsComputer = {true, true, true, true};
        state.Names = {"Ann", "Bart", "Robin", "Eve"};
        engine.ResetBoard();
    }
    // One throw and its move: a second of play at the game's pace.
    void MoveOnce() {
        engine.timPlay_Timer();
        engine.timGo_Timer();
    }
    void PlayUntilEvents(std::size_t events) {
        while (state.Record.size() < events) MoveOnce();
    }
};

void BM_OpenLogOf10000Events(benchmark::State& s) {
    ComputerGame game;
    game.PlayUntilEvents(10000);
    vantry::test::ScriptedPrompter prompter;
    vantry::StoreFailureNotice notice;
    for (auto _ : s) {
        vantry::frmLog log(game.engine, prompter, notice, nullptr);
        log.Toggle();
        log.repaint();
        QApplication::processEvents();
        benchmark::DoNotOptimize(log.LogView()->currentIndex().row());
    }
    s.counters["events"] = static_cast<double>(game.state.Record.size());
}
BENCHMARK(BM_OpenLogOf10000Events)->Unit(benchmark::kMillisecond)->UseRealTime();

// A die for four computer seats that never lets a counter finish: one within reach of the
// snakes below the last square always meets one. The race then goes on climbing and falling
// for as long as it is played, as the long races the chart must draw do.
class EndlessDie final : public vantry::RandomSource {
public:
    explicit EndlessDie(const GameState& state) : state_(state) {}
    void Reseed() override {}
    float Next() override {
        const int square = state_.Position[static_cast<std::size_t>(state_.CurrentPlayer)];
        int pips = 1 + static_cast<int>(random_.Next() * 6.0f);
        for (int p = 1; p <= 6; ++p) pips = square + p == 94 || square + p == 98 ? p : pips;
        return (static_cast<float>(pips) - 0.5f) / 6.0f;
    }

private:
    const GameState& state_;
    FastRandom random_;
};

// The Race tab drawn whole, as after a move or a resize, at the log window's size. At move
// 30,000 of a race that never ends every column of the plot holds climbs and falls across the
// board: the chart's dearest drawing, bound by its width and not by the moves.
void BM_DrawRaceChart(benchmark::State& s) {
    GameState state;
    EndlessDie die(state);
    Engine engine(state, die);
    state.IsComputer = {true, true, true, true};
    engine.ResetBoard();
    for (std::int64_t move = 0; move < s.range(0); ++move) {
        engine.timPlay_Timer();
        engine.timGo_Timer();
    }
    vantry::RaceChart chart(state);
    chart.resize(460, 400);
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : s) {
        chart.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    double moves = 0;
    for (const std::int16_t count : state.MoveCount) moves += count;
    s.counters["moves"] = moves;
}
BENCHMARK(BM_DrawRaceChart)->Arg(30)->Arg(30000)->Unit(benchmark::kMillisecond);

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Seconds of a four-computer game (a throw and its move each, with the event loop drawing what
// changed) played in blocks by turns without the log and with it open. At the game's pace a
// move takes a second, so the CPU time a move costs more with the log open, over a second, is
// the log's share of a core.
void BM_FollowComputerGame(benchmark::State& s) {
    constexpr int Blocks = 20;
    constexpr int MovesPerBlock = 100;
    vantry::test::ScriptedPrompter prompter;
    vantry::StoreFailureNotice notice;
    double closed = 0.0;
    double open = 0.0;
    for (auto _ : s) {
        ComputerGame plain;
        ComputerGame followed;
        vantry::frmLog log(followed.engine, prompter, notice, nullptr);
        log.Toggle();
        QApplication::processEvents();
        const auto play = [](ComputerGame& game) {
            const double start = CpuSeconds();
            for (int m = 0; m < MovesPerBlock; ++m) {
                // A game that has gone on for hours starts again, as a player would have it.
                if (game.state.Record.size() > 20000) game.engine.ResetBoard();
                game.MoveOnce();
                QApplication::processEvents();
            }
            return CpuSeconds() - start;
        };
        for (int b = 0; b < Blocks; ++b) {
            closed += play(plain);
            open += play(followed);
        }
    }
    const double moves = static_cast<double>(s.iterations()) * Blocks * MovesPerBlock;
    s.counters["closed_us_per_move"] = closed / moves * 1e6;
    s.counters["open_us_per_move"] = open / moves * 1e6;
    // A move a second: the extra CPU seconds per move are the share of one core.
    s.counters["extra_core_pct"] = (open - closed) / moves * 100.0;
}
BENCHMARK(BM_FollowComputerGame)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SaveGameOf1000Moves(benchmark::State& s) {
    ComputerGame game;
    for (int move = 0; move < 1000; ++move) game.MoveOnce();
    std::size_t bytes = 0;
    for (auto _ : s) {
        const QByteArray file = vantry::EncodeSaveRecord(vantry::FillSaveRecord(game.state));
        bytes = static_cast<std::size_t>(file.size());
        benchmark::DoNotOptimize(file.data());
    }
    s.counters["file_kib"] = static_cast<double>(bytes) / 1024.0;
    s.SetLabel(bytes < 64 * 1024 ? "under 64 KiB" : "OVER 64 KiB");
}
BENCHMARK(BM_SaveGameOf1000Moves)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
