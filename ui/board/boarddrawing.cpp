#include "board/boarddrawing.h"

#include <QPushButton>

#include "board/boardwidgets.h"
#include "board/clickpanel.h"
#include "board/dieface.h"
#include "board/playfocus.h"

namespace vantry {

BoardDrawing::BoardDrawing(const GameState& state, BoardWidgets& widgets, PlayFocus& focus)
    : state_(state), widgets_(widgets), focus_(focus) {}

void BoardDrawing::Draw() {
    // A seat played from another computer cannot be played here.
    const bool here = !state_.Remote[static_cast<std::size_t>(state_.CurrentPlayer)];
    DrawDie(here);
    for (std::size_t s = 0; s < SeatCount; ++s) {
        ClickPanel* counter = widgets_.picM[s];
        const bool enabled = here && state_.CounterEnabled[s];
        if (!enabled) focus_.Leaving(counter);
        counter->setEnabled(enabled);
    }
    QPushButton* go = widgets_.cmdGo;
    const bool goes = here && state_.GoEnabled;
    if (!goes) focus_.Leaving(go);
    go->setEnabled(goes);
    widgets_.DrawNames(state_.Names, state_.NameLit, state_.Away);
}

// Only the face on show is visible.
void BoardDrawing::DrawDie(bool here) {
    for (int k = 0; k < BoardWidgets::FaceCount; ++k) {
        DieFace* face = widgets_.picToss[static_cast<std::size_t>(k)];
        const bool shown = k == state_.ShownFace;
        const bool enabled = !shown || (here && state_.FaceEnabled);
        if (!shown || !enabled) focus_.Leaving(face);
        face->setHidden(!shown);
        face->setEnabled(enabled);
    }
}

}  // namespace vantry
