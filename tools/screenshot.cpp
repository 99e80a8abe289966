// Renders the board in the middle of a game, without a screen, to the PNG named on the command
// line: named seats, counters on several squares (two sharing one) and a die face on show.
#include <QApplication>
#include <QPixmap>

#include <cstdio>

#include "arrangecounters.h"
#include "board/boardcommands.h"
#include "media/cueplayer.h"
#include "board/frmmain.h"
#include "engine.h"
#include "gamestate.h"
#include "prompter.h"
#include "randomsource.h"

namespace {

class Silent : public vantry::CuePlayer {
public:
    bool Play(const QString&) override { return true; }
};

class NoCommands : public vantry::BoardCommands {
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

class NoPrompts : public vantry::Prompter {
public:
    void Message(const QString&, Icon) override {}
    Answer AskYesNoCancel(const QString&) override { return Answer::Cancel; }
    std::optional<QString> OpenFileName(const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> SaveFileName(const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> AskText(const QString&) override { return std::nullopt; }
};

// Throws a four.
class FixedDie : public vantry::RandomSource {
public:
    void Reseed() override {}
    float Next() override { return 0.55f; }
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("screenshot.png");

    vantry::GameState state;
    NoPrompts prompter;
    FixedDie die;
    NoCommands commands;
    vantry::Engine engine(state, die);
    vantry::frmMain board(engine, prompter, commands);
    engine.SetListener(&board);
    board.Cues().SetPlayer(std::make_unique<Silent>());
    vantry::GameSetup game;
    game.Names = {"Robin", "Ethel", "Marvin", "Elayne"};
    game.Position = {33, 57, 33, 12};
    game.CurrentPlayer = 1;
    engine.ReplaceGame(game, std::string());
    for (int i = 0; i < 4; ++i) vantry::ArrangeCounters(state.Counters, i);
    // The counters stand in place at once, as in a loaded game.
    board.Recorded({vantry::RecordEvent::StartOf(state, vantry::RecordEvent::Kind::Opened)}, true);
    engine.Throw();

    board.show();
    QApplication::processEvents();
    if (!board.grab().save(out)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(out));
        return 1;
    }
    engine.SetListener(nullptr);
    return 0;
}
