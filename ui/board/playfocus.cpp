#include "board/playfocus.h"

#include <QWidget>

#include "board/boardwidgets.h"
#include "board/clickpanel.h"
#include "board/dieface.h"
#include "gamestate.h"

namespace vantry {

PlayFocus::PlayFocus(const GameState& state, const BoardWidgets& widgets) : state_(state), widgets_(widgets) {}

void PlayFocus::Leaving(QWidget* control) {
    // The window's own record, which also holds while another window is active.
    if (control == nullptr || control->window()->focusWidget() != control) return;
    control->clearFocus();
    adrift_ = true;
}

void PlayFocus::Thrown(int seat) {
    if (Person(seat)) Land(widgets_.picM[static_cast<std::size_t>(seat)]);
}

void PlayFocus::TurnPassed(int seat) {
    if (!Person(seat)) return;
    for (DieFace* face : widgets_.picToss) {
        if (!face->isHidden()) Land(face);
    }
}

bool PlayFocus::Person(int seat) const {
    return seat >= 0 && seat < SeatCount && !state_.IsComputer[static_cast<std::size_t>(seat)];
}

// Only focus that the play itself let go is placed again, and only on a control that can take it.
void PlayFocus::Land(QWidget* target) {
    if (!adrift_ || target->isHidden() || !target->isEnabled()) return;
    if (QWidget* window = target->window(); window->focusWidget() != nullptr && window->focusWidget() != window) {
        adrift_ = false;  // the player has put it somewhere since
        return;
    }
    target->setFocus(Qt::OtherFocusReason);
    adrift_ = false;
}

}  // namespace vantry
