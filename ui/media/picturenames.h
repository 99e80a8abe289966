#pragma once

#include <QString>

namespace vantry {

// Resource paths of the game's pictures, compiled in from ui/media/pictures/.
namespace Pictures {
inline const QString Background = QStringLiteral(":/pictures/background.svg");
inline const QString House = QStringLiteral(":/pictures/house.svg");
inline const QString File = QStringLiteral(":/pictures/file.svg");
// The FILE button without its word, for a language that writes its own.
inline const QString FileButton = QStringLiteral(":/pictures/filebutton.svg");
inline const QString Icon = QStringLiteral(":/pictures/icon.svg");
// The sides the icon is offered at; each is drawn at build time.
inline constexpr int IconSides[] = {16, 20, 24, 32, 40, 48, 64, 96, 128, 256};
inline const QString Computer = QStringLiteral(":/pictures/computer.svg");
inline const QString Person = QStringLiteral(":/pictures/person.svg");

// The snake drawn by the board element ImageN, N = 2..8.
inline QString Snake(int image) {
    return QStringLiteral(":/pictures/snake%1.svg").arg(image);
}
}  // namespace Pictures

}  // namespace vantry
