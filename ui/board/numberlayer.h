#pragma once

#include <QRect>
#include <QWidget>

#include "board/boardmodel.h"

namespace vantry {

// The square numbers, lblCtr(0..106), painted in one pass from the board's model: a hundred
// label widgets cost every start a widget, a polish and a paint of their own apiece. A number
// is drawn where its label would stand and as a label draws it; a label the model hides, or
// one without a caption, is not drawn. The layer covers the client area and lets every click
// through to what lies below.
class NumberLayer : public QWidget {
    Q_OBJECT
public:
    NumberLayer(const BoardModel& model, QWidget* parent);

    // Where number `i`'s text is laid out: its design label, a little wider on both sides so
    // that a wider face than the design's is not clipped, the text centred on the label and
    // standing on its lower edge.
    static QRect TextRect(const BoardModel::NumberLabel& number, qreal scale = 1.0);
    // The design's face of the numbers, at the design's size.
    static constexpr qreal DesignPoints = 8.0;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const BoardModel& model_;
};

}  // namespace vantry
