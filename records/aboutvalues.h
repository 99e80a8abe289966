#pragma once

#include <QStringList>

namespace vantry {

// The machine-wide values the About window shows as its licence lines: a read-only store of
// the system scope (organisation "Quorlen", application "Vantry", group "1.0"; on Windows the
// machine's registry key of that name, elsewhere a settings file in the system folder).
//
// Values come in the store's own order of keys, which for settings files is the alphabetical
// order of the key names, so an installer names them to sort as they should show ("1Name",
// "2Company"). Empty values are left out. A missing store or group gives the single item "Error".
QStringList ReadAboutValues();

}  // namespace vantry
