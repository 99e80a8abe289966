#include "board/keytable.h"

namespace vantry {

KeyCommand KeyCommandFor(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Space) return KeyCommand::Throw;
    // The keypad flag only says where the key is, not which modifiers are held.
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && held == Qt::NoModifier) return KeyCommand::Go;
    if (key == Qt::Key_Menu && held == Qt::NoModifier) return KeyCommand::Menu;
    if (key == Qt::Key_F10 && held == Qt::ShiftModifier) return KeyCommand::Menu;
    if (key == Qt::Key_B && held == Qt::NoModifier) return KeyCommand::ReadBoard;
    if (key == Qt::Key_F11 && held == Qt::NoModifier) return KeyCommand::FullScreen;
    if (key == Qt::Key_Escape && held == Qt::NoModifier) return KeyCommand::Escape;
    if (key == Qt::Key_L && held == Qt::NoModifier) return KeyCommand::GameLog;
    if (held != Qt::ControlModifier) return KeyCommand::None;
    switch (key) {
        case Qt::Key_N: return KeyCommand::New;
        case Qt::Key_O: return KeyCommand::Open;
        case Qt::Key_S: return KeyCommand::Save;
        case Qt::Key_A: return KeyCommand::About;
        case Qt::Key_Comma: return KeyCommand::Settings;
        case Qt::Key_X: return KeyCommand::Exit;
        default: return KeyCommand::None;
    }
}

}  // namespace vantry
