#pragma once

#include <QTimer>

#include "board/clickpanel.h"

namespace vantry {

// A face picToss(k) of the die: pale yellow with k + 1 black pips, or blank for the start face.
class DieFace : public ClickPanel {
    Q_OBJECT
public:
    DieFace(int face, QWidget* parent);

    // Tumbles over a few other faces for about 200 ms and comes to rest on its own: only a
    // drawing of a throw that has already happened.
    void Roll();
    bool Rolling() const { return tumble_.isActive(); }
    // The pips drawn now: the face's own, or one it tumbles over.
    int DrawnFace() const { return drawnFace_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Tumble();

    int face_ = 0;
    int drawnFace_ = 0;
    int tumbles_ = 0;
    QTimer tumble_;
};

}  // namespace vantry
