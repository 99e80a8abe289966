// The board window drawn at twice its design size, as on a large screen: drawing that size's
// pictures once, and redrawing the whole board once they exist. On Qt's offscreen platform,
// which paints into memory as an X server's window surface is painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include <memory>

#include "boardcommands.h"
#include "cueplayer.h"
#include "engine.h"
#include "frmmain.h"
#include "gamestate.h"
#include "prompter.h"
#include "randomsource.h"

namespace {

class Silent final : public vantry::CuePlayer {
public:
    void Play(const QString&) override {}
};

class NoCommands final : public vantry::BoardCommands {
public:
    void New() override {}
    void Open() override {}
    bool Save() override { return false; }
    void SaveAs() override {}
    void About() override {}
    void Settings() override {}
    void OpenDropped(const QString&) override {}
    void BestPlayers() override {}
    bool Untitled() const override { return true; }
};

class NoPrompts final : public vantry::Prompter {
public:
    void Message(const QString&, Icon) override {}
    Answer AskYesNoCancel(const QString&) override { return Answer::Cancel; }
    std::optional<QString> OpenFileName(const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> SaveFileName(const QString&, const QString&) override { return std::nullopt; }
};

class FixedDie final : public vantry::RandomSource {
public:
    void Reseed() override {}
    float Next() override { return 0.55f; }
};

// One board window at twice the design size.
struct Board {
    Board() {
        engine.SetListener(&window);
        window.SetCuePlayer(std::make_unique<Silent>());
        window.resize(vantry::frmMain::DesignSize() * 2);
    }
    ~Board() { engine.SetListener(nullptr); }

    vantry::GameState state;
    FixedDie die;
    NoPrompts prompter;
    NoCommands commands;
    vantry::Engine engine{state, die};
    vantry::frmMain window{engine, prompter, commands};
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
