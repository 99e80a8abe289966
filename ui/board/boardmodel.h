#pragma once

#include <QString>

#include <array>

#include "board/boardlayout.h"

namespace vantry {

// The square-number labels lblCtr(0..106) in float twips, placed between the marker lines as
// the board window loads; the number layer draws them from here.
class BoardModel {
public:
    static constexpr int NumberLabelCount = 107;

    struct NumberLabel {
        QString caption;
        TwipsRect rect;
        bool visible = true;
    };

    BoardModel();

    // imgPic, sized to the window's outer size once, at load.
    TwipsRect& Background() { return background_; }
    const TwipsRect& Background() const { return background_; }

    NumberLabel& Number(int i) { return numbers_[static_cast<std::size_t>(i)]; }
    const NumberLabel& Number(int i) const { return numbers_[static_cast<std::size_t>(i)]; }

    // The window's load: squares 1..100 numbered and placed, the spares 101..106 hidden. Square
    // i stands centred between linM(i - 1) and linM(i), on the lower end of linM(i); its label
    // sizes itself to its caption by the design metrics.
    void PlaceNumbers();

private:
    TwipsRect background_{0.0f, 0.0f, ClientWidth, ClientHeight};
    std::array<NumberLabel, NumberLabelCount> numbers_{};
};

}  // namespace vantry
