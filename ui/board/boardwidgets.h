#pragma once

#include <array>
#include <utility>
#include <vector>

#include "twips.h"
#include <string>

class QRect;
class QString;
class QPushButton;
class QWidget;

namespace vantry {

class BoardLayer;
class BoardModel;
class ClickLabel;
class ClickPanel;
class DieFace;
class NameLabel;
class NumberLayer;
class SvgPicture;

// The child widgets of the board window in their design looks and places, stacked in the
// design's order: background, track and numbers, ladders, name labels, turns, house and FILE
// pictures, snakes, and the die, counters and Go in front. The window gives them their
// behaviour.
class BoardWidgets {
public:
    // Sets a name label's caption, in the design's small face or, for a name too long for the
    // label, a smaller one (down to 6 points); the whole name is always the label's tooltip
    // and accessible name.
    static void SetNameText(NameLabel* label, const QString& name);

    static constexpr int FaceCount = 7;

    // The window's load colours the track lines and the square numbers white.
    void ColourTrack();
    // Every widget in its place and its face at the board's scale; counters are the travel's.
    void Place(const TwipsMapping& mapping);
    // Each seat's name as the label's caption (changed only when it differs), and the blink.
    void DrawNames(const std::array<std::string, 4>& names, const std::array<bool, 4>& lit,
                   const std::array<bool, 4>& away);
    // Each seat's mark on its counter and before its name, or none; the names are fitted anew
    // to the room the mark leaves.
    void ShowMarks(bool shown);
    // Where the controls a player must reach stand in the window: FILE, the names, the die and Go.
    QRect Controls() const;

    // The square numbers are drawn from `model`, which outlives the widgets.
    BoardWidgets(QWidget* window, const BoardModel& model);

    SvgPicture* imgPic = nullptr;
    BoardLayer* track = nullptr;
    NumberLayer* lblCtr = nullptr;
    BoardLayer* ladders = nullptr;
    std::array<NameLabel*, 4> txtName{};
    BoardLayer* turns = nullptr;
    SvgPicture* Image1 = nullptr;
    SvgPicture* imgFile = nullptr;
    std::array<SvgPicture*, 7> snakes{};  // Image2..Image8
    QPushButton* cmdGo = nullptr;
    std::array<ClickPanel*, 4> picM{};
    std::array<DieFace*, FaceCount> picToss{};
    ClickLabel* Label1 = nullptr;

private:
    // Names the widget and stands it at its design place.
    template <typename W>
    W* Placed(W* widget, const TwipsRect& rect, const QString& name);
    void MakeBoard(QWidget* window, const BoardModel& model);
    void MakeNameLabels(QWidget* window);
    void MakePictures(QWidget* window);
    void MakeControls(QWidget* window);

    // The widgets that stand where the design puts them, with their design places.
    std::vector<std::pair<QWidget*, TwipsRect>> placed_;
};

}  // namespace vantry
