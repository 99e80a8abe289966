#pragma once

#include <array>
#include <utility>
#include <vector>

#include "twips.h"

class QLabel;
class QPushButton;
class QWidget;

namespace vantry {

class ClickPanel;
class DieFace;
class NameLabel;
class PlayFocus;
class SvgPicture;
struct GameState;

// The child widgets of the board window in their design looks and places, stacked in the
// design's order: background, track and numbers, ladders, name labels, turns, house and FILE
// pictures, snakes, and the die, counters and Go in front. The window gives them their
// behaviour.
class BoardWidgets {
public:
    static constexpr int FaceCount = 7;

    explicit BoardWidgets(QWidget* window);

    // Every widget in its place and its face at the board's scale; counters are the travel's.
    void Place(const TwipsMapping& mapping);
    // Brings the widgets up to the game state: the die's face on show, the counters that can be
    // moved, Go and the names with their blink; the counters' places are the travel's, from the
    // record's events; none is enabled unless the seat on turn plays `here`, not on another
    // computer. A control about to be hidden or disabled lets the keyboard focus go first.
    // Nothing is read back.
    void Draw(const GameState& state, bool here, PlayFocus& focus);
    // Each seat's name as the label's caption (changed only when it differs), and the blink.
    void DrawNames(const GameState& state);
    // Each seat's mark on its counter and before its name, or none; the names are fitted anew
    // to the room the mark leaves.
    void ShowMarks(bool shown);

    // The controls and the names; the background, the lines, the numbers, the house and the
    // snakes need no hand once they are placed.
    std::array<NameLabel*, 4> txtName{};
    SvgPicture* imgFile = nullptr;
    QPushButton* cmdGo = nullptr;
    std::array<ClickPanel*, 4> picM{};
    std::array<DieFace*, FaceCount> picToss{};
    QLabel* Label1 = nullptr;

private:
    // Names the widget and stands it at its design place.
    template <typename W>
    W* Placed(W* widget, const TwipsRect& rect, const QString& name);

    // The widgets that stand where the design puts them, with their design places.
    std::vector<std::pair<QWidget*, TwipsRect>> placed_;
    // The word written over the FILE picture in a language other than English, or none.
    QWidget* fileWord_ = nullptr;
};

}  // namespace vantry
