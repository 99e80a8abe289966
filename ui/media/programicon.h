#pragma once

#include <QIcon>
#include <QString>

namespace vantry {

// The icon every window of the game carries, drawn from its picture at the sizes window
// frames, task bars and buttons ask for, so it stays sharp from 16 to 256 pixels.
QIcon ProgramIcon();

// One of the game's pictures as an icon drawn at the size asked for, without the image and icon
// plug-ins that an icon read from a file would load.
QIcon PictureIcon(const QString& resource);

}  // namespace vantry
