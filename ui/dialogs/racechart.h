#pragma once

#include <QWidget>

#include <array>
#include <vector>

#include "gamerecord.h"
#include "dialogs/racepoints.h"

class QPainter;

namespace vantry {

struct GameState;

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
    void Take(const RecordEvent& event, bool first);
    void Summarise();
    void DrawLegend(QPainter& p);
    void DrawRace(QPainter& p, std::size_t seat, const QRectF& plot, std::size_t longest);

    const GameState& state_;
    std::array<SeatRace, 4> races_;
    std::size_t taken_ = 0;
};

}  // namespace vantry
