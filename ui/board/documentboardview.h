#pragma once

#include "boardview.h"

namespace vantry {

class CounterTravel;

// The board as the document code reaches it: the same window, except that a counter placed
// from here stands on its place at once. A new, reset, opened or dropped game is not a move,
// so nothing of it travels.
class DocumentBoardView : public BoardView {
public:
    DocumentBoardView(BoardView& board, CounterTravel& travel) : board_(board), travel_(travel) {}

    void FindMediaFolder() override { board_.FindMediaFolder(); }
    void PlayCue(Cue cue) override { board_.PlayCue(cue); }
    float MarkerX1(int k) const override { return board_.MarkerX1(k); }
    float MarkerY2(int k) const override { return board_.MarkerY2(k); }
    float CounterLeft(int i) const override { return board_.CounterLeft(i); }
    float CounterTop(int i) const override { return board_.CounterTop(i); }
    float CounterWidth(int i) const override { return board_.CounterWidth(i); }
    float CounterHeight(int i) const override { return board_.CounterHeight(i); }
    void SetCounterLeft(int i, float left) override;
    void SetCounterTop(int i, float top) override;
    void SetCounterEnabled(int i, bool enabled) override { board_.SetCounterEnabled(i, enabled); }
    void SetGoEnabled(bool enabled) override { board_.SetGoEnabled(enabled); }
    void SetFaceVisible(int k, bool visible) override { board_.SetFaceVisible(k, visible); }
    void SetFaceEnabled(int k, bool enabled) override { board_.SetFaceEnabled(k, enabled); }
    void SetTimerEnabled(GameTimer timer, bool enabled) override { board_.SetTimerEnabled(timer, enabled); }
    std::string NameCaption(int i) const override { return board_.NameCaption(i); }
    bool NameVisible(int i) const override { return board_.NameVisible(i); }
    void SetNameVisible(int i, bool visible) override { board_.SetNameVisible(i, visible); }
    void ShowMessage(const std::string& text) override { board_.ShowMessage(text); }
    void ShowBestPlayers() override { board_.ShowBestPlayers(); }

private:
    BoardView& board_;
    CounterTravel& travel_;
};

}  // namespace vantry
