#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "documentwindow.h"
#include "fakeboardview.h"
#include "gamecommands.h"

namespace vantry::test {

// The board window seen through DocumentWindow: name captions and timers are those of the
// wrapped FakeBoardView, so both sides of the board agree. Every call is also written to `log`
// ("ShowWindow", "Timer1 on", "Name 2 Daxo"), shared with a RecordingGameCommands when one is
// built over it, so tests can check the order of the hand-over.
class FakeBoardWindow : public DocumentWindow {
public:
    QString Caption() const override { return caption; }
    void SetCaption(const QString& text) override { caption = text; }
    QString NameCaption(int seat) const override { return QString::fromStdString(view.NameCaption(seat)); }
    void SetNameCaption(int seat, const QString& name) override {
        view.names[static_cast<std::size_t>(seat)] = name.toStdString();
        log << QStringLiteral("Name %1 %2").arg(seat).arg(name);
    }
    void ShowStartFace() override { view.SetFaceVisible(6, true); }
    void SetTimerEnabled(GameTimer timer, bool enabled) override {
        view.SetTimerEnabled(timer, enabled);
        log << QStringLiteral("%1 %2").arg(QLatin1String(TimerName(timer)), enabled ? "on" : "off");
    }
    bool TimerEnabled(GameTimer timer) const override { return view.TimerOn(timer); }
    void ShowWindow() override {
        ++shown;
        log << QStringLiteral("ShowWindow");
        if (onShowWindow) onShowWindow();
    }
    BoardView& Board() override { return view; }

    QStringList Names() const {
        QStringList names;
        for (int i = 0; i < 4; ++i) names << NameCaption(i);
        return names;
    }
    // Timer1, timPlay, timGo: true where running.
    std::array<bool, 3> Timers() const {
        return {view.TimerOn(GameTimer::Timer1), view.TimerOn(GameTimer::timPlay), view.TimerOn(GameTimer::timGo)};
    }

    static const char* TimerName(GameTimer timer) {
        switch (timer) {
        case GameTimer::timPlay: return "timPlay";
        case GameTimer::timGo: return "timGo";
        case GameTimer::Timer1: return "Timer1";
        }
        return "?";
    }

    FakeBoardView view;
    QString caption = QStringLiteral("Vantry - Untitled");
    int shown = 0;
    QStringList log;
    std::function<void()> onShowWindow;
};

// Records ResetBoard and OpenGame into the board's log; a reset turns the timers on as the
// real one does, and `onOpenGame` stands in for a game the user picks.
class RecordingGameCommands : public GameCommands {
public:
    explicit RecordingGameCommands(FakeBoardWindow& board) : board_(board) {}

    void ResetBoard() override {
        ++resets;
        board_.log << QStringLiteral("ResetBoard");
        board_.caption = QStringLiteral("Vantry - Untitled");
        board_.view.SetTimerEnabled(GameTimer::Timer1, true);
        board_.view.SetTimerEnabled(GameTimer::timPlay, true);
        board_.view.SetTimerEnabled(GameTimer::timGo, false);
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
};

}  // namespace vantry::test
