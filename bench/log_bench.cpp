// The game log against its targets: a record of 10,000 events opens in the log within 100 ms,
// following a four-computer game with the log open costs under 0.5 % of a core more than
// without it, and a saved game of 1,000 moves stays under 64 KiB. Runs on the offscreen
// platform, so the drawing is done but nothing reaches a screen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListView>
#include <QStandardPaths>

#include <cstdint>
#include <ctime>

#include "engine.h"
#include "fastrandom.h"
#include "frmlog.h"
#include "gamestate.h"
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
