#pragma once

#include <QWidget>

namespace vantry {

// The board window. For now an empty board under its untitled caption.
class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
};

}  // namespace vantry
