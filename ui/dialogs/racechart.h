#pragma once

#include <QWidget>

#include <array>
#include <cstddef>
#include <vector>

#include "gamerecord.h"

class QPainter;

namespace vantry {

struct GameState;

// One seat's race: the square it started on (0 beside the board), then for each move the
// square the throw reached and the one it came to rest on.
struct SeatRace {
    struct Step {
        int reached = 0;
        int to = 0;
    };
    int start = 0;
    std::vector<Step> steps;
};

// The squares a seat's line covers in one `column` of the chart, counted from the left.
struct RaceSpan {
    std::size_t column = 0;
    int low = 0;
    int high = 0;

    bool operator==(const RaceSpan& other) const {
        return column == other.column && low == other.low && high == other.high;
    }
};

// The columns the seat's line passes through on a chart `columns` pixels across whose foot runs
// to move `longest`, in order, one span a column from the lowest square the seat stood on there
// to the highest: a line too dense to follow move by move is drawn as the band they make, at a
// cost bound by the chart's width however long the game is.
std::vector<RaceSpan> RaceSpans(const SeatRace& race, std::size_t longest, int columns);

// The race as a chart: for each seat the square after each of its moves, in the seat's colour
// with a line style and mark of its own, so that colour is never the only cue; a ladder or a
// snake is a jump straight up or down at its move. Its accessible description, and the line
// under it, tell in words who leads and by how much.
class RaceChart final : public QWidget, public RecordFollower {
    Q_OBJECT
public:
    explicit RaceChart(const GameState& state, QWidget* parent = nullptr);

    void Recorded(const GameRecord& record, bool restarted) override;

    // Who leads and by how much, or who has won, from the squares on the board.
    static QString Summary(const GameState& state);

    QSize sizeHint() const override { return {420, 320}; }

signals:
    // The summary changed.
    void SummaryChanged(const QString& summary);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawRace(QPainter& p, std::size_t seat, const QRectF& plot, std::size_t longest);

    const GameState& state_;
    std::array<SeatRace, 4> races_;
    std::size_t taken_ = 0;
};

}  // namespace vantry
