#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <string>

#include "documentwindow.h"
#include "engine.h"
#include "gamecommands.h"
#include "gamestate.h"
#include "recordinglistener.h"

namespace vantry::test {

// The board window seen through DocumentWindow. ShowWindow is written to `log`, which a
// RecordingGameCommands and a BoardLog built over the same board share, so tests can check
// the order of the hand-over: "ShowWindow", "ResetBoard", "Name 2 Daxo", "Timer1 on".
class FakeBoardWindow : public DocumentWindow {
public:
    void ShowWindow() override {
        ++shown;
        log << QStringLiteral("ShowWindow");
        if (onShowWindow) onShowWindow();
    }

    int shown = 0;
    QStringList log;
    std::function<void()> onShowWindow;
};

// Hears the engine as the board window does, which draws the state afresh after every event,
// and writes to the board's log what such a drawing changes of the name labels and the timers
// ("Name 1 Daxo", "timPlay off"), after "replaced" for a game that replaced the one on the
// board. Every event is recorded as by RecordingListener too.
class BoardLog : public RecordingListener {
public:
    BoardLog(const GameState& state, FakeBoardWindow& board) : state_(state), log_(board.log) { Drawn(); }

    void Thrown(int seat, int face) override {
        RecordingListener::Thrown(seat, face);
        Draw();
    }
    void Moved(const MoveReport& move) override {
        RecordingListener::Moved(move);
        Draw();
    }
    void Won(int seat) override {
        Draw();
        RecordingListener::Won(seat);
    }
    void TurnPassed(int seat) override {
        RecordingListener::TurnPassed(seat);
        Draw();
    }
    void GameReplaced() override {
        RecordingListener::GameReplaced();
        log_ << QStringLiteral("replaced");
        Draw();
    }
    void Changed() override {
        RecordingListener::Changed();
        Draw();
    }

    // Takes the state as already on the board, for a test that set it up by hand.
    void Drawn() {
        names_ = state_.Names;
        timers_ = state_.TimerOn;
    }

    static const char* TimerName(GameTimer timer) {
        switch (timer) {
        case GameTimer::timPlay: return "timPlay";
        case GameTimer::timGo: return "timGo";
        case GameTimer::Timer1: return "Timer1";
        }
        return "?";
    }

private:
    void Draw() {
        for (int i = 0; i < SeatCount; ++i) {
            const auto s = static_cast<std::size_t>(i);
            if (state_.Names[s] != names_[s]) {
                log_ << QStringLiteral("Name %1 %2").arg(i).arg(QString::fromStdString(state_.Names[s]));
            }
        }
        // In the order the turn cycle switches them.
        for (GameTimer timer : {GameTimer::Timer1, GameTimer::timPlay, GameTimer::timGo}) {
            const auto t = static_cast<std::size_t>(timer);
            if (state_.TimerOn[t] != timers_[t]) {
                log_ << QStringLiteral("%1 %2").arg(QLatin1String(TimerName(timer)),
                                                   QLatin1String(state_.TimerOn[t] ? "on" : "off"));
            }
        }
        Drawn();
    }

    const GameState& state_;
    QStringList& log_;
    std::array<std::string, SeatCount> names_;
    std::array<bool, 3> timers_{};
};

// The document commands, recorded into the board's log. A reset puts the engine's board into
// the untitled new-game state as the document's does; `onOpenGame` stands in for a game the
// user picks.
class RecordingGameCommands : public GameCommands {
public:
    RecordingGameCommands(FakeBoardWindow& board, Engine& engine) : board_(board), engine_(engine) {}

    void ResetBoard() override {
        ++resets;
        board_.log << QStringLiteral("ResetBoard");
        engine_.ResetBoard();
    }
    void OpenGame() override {
        ++opens;
        board_.log << QStringLiteral("OpenGame");
        if (onOpenGame) onOpenGame();
    }

    int resets = 0;
    int opens = 0;
    std::function<void()> onOpenGame;

private:
    FakeBoardWindow& board_;
    Engine& engine_;
};

}  // namespace vantry::test
