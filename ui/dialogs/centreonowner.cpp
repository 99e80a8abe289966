#include "dialogs/centreonowner.h"

#include <QEvent>

namespace vantry {

CentreOnOwner::CentreOnOwner(QWidget* dialog, QWidget* owner) : dialog_(dialog), owner_(owner) {
    if (!dialog_ || !owner_) return;
    owner_->installEventFilter(this);
    Centre();
}

bool CentreOnOwner::eventFilter(QObject* watched, QEvent* event) {
    if (watched == owner_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) Centre();
    return QObject::eventFilter(watched, event);
}

// The owner's frame, title bar included, is what the player sees as the board.
void CentreOnOwner::Centre() {
    if (!dialog_ || !owner_) return;
    QRect frame = dialog_->frameGeometry();
    frame.moveCenter(owner_->frameGeometry().center());
    dialog_->move(frame.topLeft());
}

}  // namespace vantry
