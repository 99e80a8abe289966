#include "board/dieface.h"

#include <QPainter>

#include "board/boardlayout.h"
#include "twips.h"

namespace vantry {

namespace {
constexpr int TumbleMs = 40;
constexpr int Tumbles = 5;
constexpr float PipDiameter = 135.0f;
struct PipSpot {
    float x;
    float y;
};
}  // namespace

DieFace::DieFace(int face, QWidget* parent) : ClickPanel(DiePaleYellow, parent), face_(face), drawnFace_(face) {
    tumble_.setInterval(TumbleMs);
    connect(&tumble_, &QTimer::timeout, this, &DieFace::Tumble);
}

// Five faces of 40 ms each, every one different from the one before and from where it rests.
void DieFace::Roll() {
    if (face_ < 0 || face_ > 5) return;
    tumbles_ = 0;
    Tumble();
    tumble_.start();
}

void DieFace::Tumble() {
    if (tumbles_ == Tumbles) {
        tumble_.stop();
        drawnFace_ = face_;
    } else {
        drawnFace_ = (face_ + 1 + (tumbles_ * 2) % 5) % 6;
        ++tumbles_;
    }
    update();
}

void DieFace::paintEvent(QPaintEvent* event) {
    ClickPanel::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    // The pips are laid out on the design's face and drawn at the face's size.
    const qreal scale = width() / (DieRect.width / TwipsPerPixel);
    painter.scale(scale, scale);
    // Top-left corners of the pips of face k (k + 1 pips; the start face has none), inside the
    // 615 x 615 face.
    static const std::array<std::vector<PipSpot>, 7> pips{{
        {{240, 240}},
        {{340, 120}, {120, 360}},
        {{380, 80}, {220, 220}, {80, 380}},
        {{80, 80}, {380, 80}, {80, 400}, {380, 400}},
        {{40, 40}, {420, 40}, {240, 240}, {40, 440}, {420, 440}},
        {{100, 40}, {360, 40}, {100, 240}, {360, 240}, {100, 440}, {360, 440}},
        {},
    }};
    const qreal d = PipDiameter / TwipsPerPixel;
    for (const PipSpot& pip : pips[static_cast<std::size_t>(drawnFace_)]) {
        painter.drawEllipse(QRectF(PixelPoint(pip.x, pip.y), QSizeF(d, d)));
    }
}

}  // namespace vantry
