// The board window drawn at twice its design size, as on a large screen: drawing that size's
// pictures once, and redrawing the whole board once they exist. On Qt's offscreen platform,
// which paints into memory as an X server's window surface is painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include <memory>

#include "boardrig.h"

namespace {

// The window tests' board: a fresh game answering through a scripted prompter, with its cues
// recorded rather than played; here at twice the design size.
struct Board {
    Board() { rig.window->resize(vantry::frmMain::DesignSize() * 2); }
    vantry::test::BoardRig rig;
    vantry::frmMain& window = *rig.window;
};

void BM_DrawPicturesAtTwiceTheSize(benchmark::State& s) {
    for (auto _ : s) {
        s.PauseTiming();
        auto board = std::make_unique<Board>();
        s.ResumeTiming();
        benchmark::DoNotOptimize(board->window.grab());
    }
}
BENCHMARK(BM_DrawPicturesAtTwiceTheSize)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RedrawTheWholeBoardAtTwiceTheSize(benchmark::State& s) {
    Board board;
    board.window.grab();  // the pictures of this size are drawn once
    for (auto _ : s) benchmark::DoNotOptimize(board.window.grab());
}
BENCHMARK(BM_RedrawTheWholeBoardAtTwiceTheSize)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
