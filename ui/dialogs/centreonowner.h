#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace vantry {

// Keeps a dialog centred on the window that owns it while it is open. At the very first start
// the board is shown just before the new-game dialog and gets its place from the window
// manager only afterwards; following the board's moves puts the dialog over it then too.
class CentreOnOwner : public QObject {
    Q_OBJECT
public:
    CentreOnOwner(QWidget* dialog, QWidget* owner);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Centre();

    QPointer<QWidget> dialog_;
    QPointer<QWidget> owner_;
};

}  // namespace vantry
