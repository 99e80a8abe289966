#pragma once

#include "clickpanel.h"

namespace vantry {

// A face picToss(k) of the die: pale yellow with k + 1 black pips, or blank for the start face.
class DieFace : public ClickPanel {
    Q_OBJECT
public:
    DieFace(int face, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int face_ = 0;
};

}  // namespace vantry
