#include "frmmain.h"

namespace vantry {

frmMain::frmMain(QWidget* parent) : QWidget(parent) {
    setObjectName("frmMain");
    setWindowTitle("Vantry - Untitled");
    resize(792, 573);
}

}  // namespace vantry
