#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include <array>

#include "twips.h"

namespace vantry {

// The square numbers, lblCtr(1..100), painted in one pass: a hundred label widgets cost every
// start a widget, a polish and a paint of their own apiece. A number is drawn in white where its
// label would stand and as a label draws it. The spare labels lblCtr(0) and lblCtr(101..106) are
// hidden by design, so nothing stands for them. The layer covers the client area and lets every
// click through to what lies below.
class NumberLayer : public QWidget {
    Q_OBJECT
public:
    struct Number {
        QString caption;
        TwipsRect rect;
    };

    explicit NumberLayer(QWidget* parent);

    // Square `square`'s label (1..100): centred between linM(square - 1) and linM(square), on
    // the lower end of linM(square), sized to its caption by the design metrics.
    static Number Of(int square);
    // Where a number's text is laid out: its design label, a little wider on both sides so that
    // a wider face than the design's is not clipped, the text centred on the label and standing
    // on its lower edge.
    static QRect TextRect(const Number& number, qreal scale = 1.0);
    // The design's face of the numbers, at the design's size.
    static constexpr qreal DesignPoints = 8.0;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<Number, 100> numbers_;
};

}  // namespace vantry
