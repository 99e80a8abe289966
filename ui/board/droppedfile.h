#pragma once

#include <QString>
#include <Qt>

class QMimeData;

namespace vantry {

// The path a drop on the board would open: that of a single local file that is not a folder,
// else empty. Several files are refused rather than one of them picked, so that nothing opens
// by surprise.
QString DroppedFile(const QMimeData* data);

// How the board takes a drop it accepts: reading the file leaves it where it was, so a copy
// (or else a link), never a move after which the program it came from would delete it.
// Qt::IgnoreAction when the source offers neither.
Qt::DropAction DropActionFor(Qt::DropActions possible);

}  // namespace vantry
