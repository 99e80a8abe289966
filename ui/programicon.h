#pragma once

#include <QIcon>

namespace vantry {

// The icon every window of the game carries.
QIcon ProgramIcon();

}  // namespace vantry
