#include "boarddrawing.h"

#include <QPushButton>

#include "boardwidgets.h"
#include "clickpanel.h"
#include "dieface.h"
#include "playfocus.h"

namespace vantry {

BoardDrawing::BoardDrawing(const GameState& state, BoardWidgets& widgets, PlayFocus& focus)
    : state_(state), widgets_(widgets), focus_(focus) {}

void BoardDrawing::Draw() {
    DrawDie();
    for (std::size_t s = 0; s < SeatCount; ++s) {
        ClickPanel* counter = widgets_.picM[s];
        if (!state_.CounterEnabled[s]) focus_.Leaving(counter);
        counter->setEnabled(state_.CounterEnabled[s]);
    }
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

}  // namespace vantry
