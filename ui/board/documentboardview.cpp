#include "documentboardview.h"

#include "countertravel.h"

namespace vantry {

void DocumentBoardView::SetCounterLeft(int i, float left) {
    board_.SetCounterLeft(i, left);
    travel_.Jump(i);
}

void DocumentBoardView::SetCounterTop(int i, float top) {
    board_.SetCounterTop(i, top);
    travel_.Jump(i);
}

}  // namespace vantry
