#pragma once

#include <array>
#include <string>

#include "boardgeometry.h"
#include "boardview.h"

namespace vantry::test {

// A board that keeps only what the engine reads back (counter places, the marker table, the
// timers and the name labels' visibility) and does nothing else: no sound, no drawing, no
// recording, so a benchmark or a long run measures the engine itself.
class NullBoardView final : public BoardView {
public:
    NullBoardView() {
        for (int k = 0; k < MarkerCount; ++k) {
            if (!IsMarkerIndex(k)) continue;
            const Line line = MarkerLine(k);
            x1_[static_cast<std::size_t>(k)] = line.x1;
            y2_[static_cast<std::size_t>(k)] = line.y2;
        }
        ResetCounters();
    }

    void ResetCounters() {
        for (std::size_t i = 0; i < 4; ++i) {
            left_[i] = CounterStartLeft + CounterSpacing * static_cast<float>(i);
            top_[i] = CounterStartTop;
        }
    }

    void FindMediaFolder() override {}
    void PlayCue(Cue) override {}
    float MarkerX1(int k) const override { return x1_[static_cast<std::size_t>(k)]; }
    float MarkerY2(int k) const override { return y2_[static_cast<std::size_t>(k)]; }
    float CounterLeft(int i) const override { return left_[static_cast<std::size_t>(i)]; }
    float CounterTop(int i) const override { return top_[static_cast<std::size_t>(i)]; }
    float CounterWidth(int) const override { return CounterDesignWidth; }
    float CounterHeight(int) const override { return CounterDesignHeight; }
    void SetCounterLeft(int i, float left) override { left_[static_cast<std::size_t>(i)] = left; }
    void SetCounterTop(int i, float top) override { top_[static_cast<std::size_t>(i)] = top; }
    void SetCounterEnabled(int, bool) override {}
    void SetGoEnabled(bool) override {}
    void SetFaceVisible(int, bool) override {}
    void SetFaceEnabled(int, bool) override {}
    void SetTimerEnabled(GameTimer timer, bool enabled) override { timers_[static_cast<std::size_t>(timer)] = enabled; }
    std::string NameCaption(int i) const override { return names_[static_cast<std::size_t>(i)]; }
    bool NameVisible(int i) const override { return visible_[static_cast<std::size_t>(i)]; }
    void SetNameVisible(int i, bool visible) override { visible_[static_cast<std::size_t>(i)] = visible; }
    void ShowMessage(const std::string&) override {}
    void ShowBestPlayers() override { ++wins; }

    bool TimerOn(GameTimer timer) const { return timers_[static_cast<std::size_t>(timer)]; }
    void SetTimers(bool play, bool go) {
        timers_[0] = play;
        timers_[1] = go;
    }

    long wins = 0;

private:
    static constexpr int MarkerCount = 903;
    std::array<float, MarkerCount> x1_{};
    std::array<float, MarkerCount> y2_{};
    std::array<float, 4> left_{};
    std::array<float, 4> top_{};
    std::array<bool, 3> timers_{{true, false, true}};
    std::array<bool, 4> visible_{{true, true, true, true}};
    std::array<std::string, 4> names_{{"Unknown1", "Unknown2", "Unknown3", "Unknown4"}};
};

}  // namespace vantry::test
