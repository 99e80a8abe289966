#include "programicon.h"

namespace vantry {

QIcon ProgramIcon() { return QIcon(":/pictures/icon.svg"); }

}  // namespace vantry
