#pragma once

#include <Qt>

namespace vantry {

enum class KeyCommand { None, Throw, Go, New, Open, Save, About, Exit };

// What a key press on the board window does. Space throws whatever the modifiers; the File
// commands need Ctrl alone (Ctrl+Shift+S and S are nothing); Enter and Return press Go.
KeyCommand KeyCommandFor(int key, Qt::KeyboardModifiers modifiers);

}  // namespace vantry
