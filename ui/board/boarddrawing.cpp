#include "boarddrawing.h"

#include <QPushButton>

#include "boardwidgets.h"
#include "clickpanel.h"
#include "countertravel.h"
#include "dieface.h"
#include "playfocus.h"

namespace vantry {

BoardDrawing::BoardDrawing(const GameState& state, BoardWidgets& widgets, PlayFocus& focus, CounterTravel& travel)
    : state_(state), widgets_(widgets), focus_(focus), travel_(travel), drawnPlaces_(state.Counters) {}

void BoardDrawing::Draw(bool jump) {
    DrawDie();
    DrawCounters(jump);
    QPushButton* go = widgets_.cmdGo;
    if (!state_.GoEnabled) focus_.Leaving(go);
    go->setEnabled(state_.GoEnabled);
    widgets_.DrawNames(state_.Names, state_.NameLit);
}

// Only the face on show is visible.
void BoardDrawing::DrawDie() {
    for (int k = 0; k < BoardWidgets::FaceCount; ++k) {
        DieFace* face = widgets_.picToss[static_cast<std::size_t>(k)];
        const bool shown = k == state_.ShownFace;
        const bool enabled = !shown || state_.FaceEnabled;
        if (!shown || !enabled) focus_.Leaving(face);
        face->setHidden(!shown);
        face->setEnabled(enabled);
    }
}

void BoardDrawing::DrawCounters(bool jump) {
    for (int i = 0; i < SeatCount; ++i) {
        const auto s = static_cast<std::size_t>(i);
        ClickPanel* counter = widgets_.picM[s];
        if (!state_.CounterEnabled[s]) focus_.Leaving(counter);
        counter->setEnabled(state_.CounterEnabled[s]);
        const TwipsRect& place = state_.Counters[s];
        const bool moved = place.left != drawnPlaces_[s].left || place.top != drawnPlaces_[s].top;
        if (jump) {
            travel_.Jump(i);
        } else if (moved) {
            travel_.Follow(i);
        }
        drawnPlaces_[s] = place;
    }
}

}  // namespace vantry
