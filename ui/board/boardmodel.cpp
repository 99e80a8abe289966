#include "board/boardmodel.h"

#include "boardgeometry.h"

namespace vantry {

BoardModel::BoardModel() {
    // Spare label 0 is hidden by design; 101..106 are hidden at load.
    numbers_[0].visible = false;
}

void BoardModel::PlaceNumbers() {
    constexpr int LastNumberedSquare = 100;
    for (int i = 1; i <= LastNumberedSquare; ++i) {
        NumberLabel& label = Number(i);
        label.caption = QString::number(i);
        label.rect.width = NumberDigitWidth * static_cast<float>(label.caption.size());
        label.rect.height = NumberHeight;
        label.rect.left = (MarkerLine(i - 1).x1 + MarkerLine(i).x1) / 2.0f - label.rect.width / 2.0f;
        label.rect.top = MarkerLine(i).y2 - label.rect.height;
    }
    for (int i = LastNumberedSquare + 1; i < NumberLabelCount; ++i) Number(i).visible = false;
}

}  // namespace vantry
