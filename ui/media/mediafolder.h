#pragma once

#include <QString>

namespace vantry {

// The folder in front of every cue literal: $VANTRY_DATA_DIR when set; the build tree's data
// folder when the program runs from the build tree and that folder exists; else the installed
// data folder. No trailing separator.
QString FindMediaFolder();

// The cue's file: the folder followed by the literal, whose backslashes become '/' only here.
QString CuePath(const QString& folder, const char* literal);

// The sound module's file: the one built beside the program when it runs from the build tree,
// else the installed one.
QString FindSoundModule();

}  // namespace vantry
