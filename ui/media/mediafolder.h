#pragma once

#include <QString>

#include "gamelistener.h"

namespace vantry {

// The folder that holds the cues' folder "Media": $VANTRY_DATA_DIR when set; the build tree's data
// folder when the program runs from the build tree and that folder exists; else the installed
// data folder. No trailing separator.
QString FindMediaFolder();

// The cue's file as the media folder has it: "<folder>/Media/TossClick.wav" and so on.
QString CueFile(const QString& folder, Cue cue);

// The sound module's and the network module's files: the one built beside the program when it
// runs from the build tree, else the installed one.
QString FindSoundModule();
QString NetModulePath();

}  // namespace vantry
