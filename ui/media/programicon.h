#pragma once

#include <QIcon>
#include <QString>

namespace vantry {

// An icon drawn from a picture resource at the sizes window frames, task bars and buttons ask
// for, so it stays sharp from 16 to 256 pixels.
QIcon PictureIcon(const QString& resource);

// The icon every window of the game carries.
QIcon ProgramIcon();

}  // namespace vantry
