#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "boardgeometry.h"
#include "boardview.h"
#include "randomsource.h"

namespace vantry::test {

// A board without a window: counter places as float twips, the marker lines of the real
// board, and a record of every cue, message and best-players opening.
class FakeBoardView : public BoardView {
public:
    struct Counter {
        float left = 0.0f;
        float top = 0.0f;
        float width = CounterDesignWidth;
        float height = CounterDesignHeight;
        bool enabled = false;
    };

    FakeBoardView() {
        for (int i = 0; i < 4; ++i) {
            counters[static_cast<std::size_t>(i)].left = CounterDesignLeft + CounterSpacing * static_cast<float>(i);
            counters[static_cast<std::size_t>(i)].top = CounterDesignTop;
            names[static_cast<std::size_t>(i)] = "Unknown" + std::to_string(i + 1);
        }
        faceVisible[6] = true;
        faceEnabled.fill(true);
    }

    void FindMediaFolder() override { ++mediaLookups; }
    void PlayCue(Cue cue) override { cues.push_back(cue); }
    float MarkerX1(int k) const override { return MarkerLine(k).x1; }
    float MarkerY2(int k) const override { return MarkerLine(k).y2; }
    float CounterLeft(int i) const override { return at(i).left; }
    float CounterTop(int i) const override { return at(i).top; }
    float CounterWidth(int i) const override { return at(i).width; }
    float CounterHeight(int i) const override { return at(i).height; }
    void SetCounterLeft(int i, float left) override { at(i).left = left; }
    void SetCounterTop(int i, float top) override { at(i).top = top; }
    void SetCounterEnabled(int i, bool enabled) override { at(i).enabled = enabled; }
    void SetGoEnabled(bool enabled) override { goEnabled = enabled; }
    void SetFaceVisible(int k, bool visible) override { faceVisible[static_cast<std::size_t>(k)] = visible; }
    void SetFaceEnabled(int k, bool enabled) override { faceEnabled[static_cast<std::size_t>(k)] = enabled; }
    void SetTimerEnabled(GameTimer timer, bool enabled) override {
        timers[static_cast<std::size_t>(timer)] = enabled;
        timerLog.emplace_back(timer, enabled);
    }
    std::string NameCaption(int i) const override { return names[static_cast<std::size_t>(i)]; }
    bool NameVisible(int i) const override { return nameVisible[static_cast<std::size_t>(i)]; }
    void SetNameVisible(int i, bool visible) override { nameVisible[static_cast<std::size_t>(i)] = visible; }
    void ShowMessage(const std::string& text) override {
        messages.push_back(text);
        if (onMessage) onMessage(text);
    }
    void ShowBestPlayers() override {
        ++bestPlayersShown;
        if (onBestPlayers) onBestPlayers();
    }

    void Thrown(int seat, int face) override { events.push_back("throw " + std::to_string(seat) + " " + std::to_string(face)); }
    void CounterMoved(const MoveReport& m) override {
        moves.push_back(m);
        events.push_back("move " + std::to_string(m.seat));
    }
    void TurnPassed(int seat) override { events.push_back("turn " + std::to_string(seat)); }

    bool TimerOn(GameTimer timer) const { return timers[static_cast<std::size_t>(timer)]; }
    int VisibleFaceCount() const {
        int n = 0;
        for (bool v : faceVisible) n += v ? 1 : 0;
        return n;
    }
    Counter& at(int i) { return counters[static_cast<std::size_t>(i)]; }
    const Counter& at(int i) const { return counters[static_cast<std::size_t>(i)]; }

    std::array<Counter, 4> counters{};
    std::array<std::string, 4> names{};
    std::array<bool, 4> nameVisible{{true, true, true, true}};
    std::array<bool, 7> faceVisible{};
    std::array<bool, 7> faceEnabled{};
    std::array<bool, 3> timers{{true, false, true}};  // timPlay, timGo, Timer1 as the window loads
    std::vector<std::pair<GameTimer, bool>> timerLog;
    bool goEnabled = false;
    int mediaLookups = 0;
    std::vector<Cue> cues;
    std::vector<std::string> messages;
    int bestPlayersShown = 0;
    std::vector<MoveReport> moves;
    std::vector<std::string> events;  // throws, moves and passed turns in their order
    std::function<void(const std::string&)> onMessage;
    std::function<void()> onBestPlayers;
};

// Plays back a fixed list of draws, round and round; counts the reseeds.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws = {0.0f}) : draws_(std::move(draws)) {}
    void Reseed() override { ++reseeds; }
    float Next() override {
        const float r = draws_[next_ % draws_.size()];
        ++next_;
        return r;
    }
    // The draw that throws `pips` (1..6).
    static float For(int pips) { return (static_cast<float>(pips) - 0.5f) / 6.0f; }
    void Script(std::vector<float> draws) {
        draws_ = std::move(draws);
        next_ = 0;
    }
    int reseeds = 0;

private:
    std::vector<float> draws_;
    std::size_t next_ = 0;
};

}  // namespace vantry::test
