#pragma once

#include <QColor>
#include <QWidget>

#include <vector>

#include "board/boardlayout.h"

namespace vantry {

// One painted level of the board (the track, the ladders or the turns): lines are drawn, not
// widgets, so a layer covers the client area and lets every click through to what lies below.
class BoardLayer : public QWidget {
    Q_OBJECT
public:
    BoardLayer(std::vector<BoardLine> lines, const QColor& colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<BoardLine> lines_;
    const QColor colour_;
};

}  // namespace vantry
