#pragma once

#include <Qt>

namespace vantry {

enum class KeyCommand { None, Throw, Go, New, Open, Save, About, Settings, Exit, Menu, ReadBoard, GameLog, FullScreen, Escape };

// What a key press on the board window does. Space throws whatever the modifiers; the File
// commands and Settings (Ctrl+comma) need Ctrl alone (Ctrl+Shift+S and S are nothing); Enter
// and Return press Go; the Menu key and Shift+F10, each without other modifiers, open the File
// menu; B alone reads the whole board aloud; L alone opens or closes the game log; F11 alone
// toggles full screen, and Escape alone leaves it.
KeyCommand KeyCommandFor(int key, Qt::KeyboardModifiers modifiers);

}  // namespace vantry
