#pragma once

#include "recordstable.h"

namespace vantry {

// The best-players table in the per-user store ("Vantry", section "Records"): the marker
// "Boolean" and the rows "Names1".."Names10", "Moves1".."Moves10", all strings. A write the
// store refuses is never reported to the user: it is simply lost, as the table is only a
// keepsake.

// The stored rows; a missing key reads as an empty caption.
RecordRows ReadStoredRecordRows();

// Writes all ten rows, whatever changed, and after them the marker "True" that tells later
// runs to read them, so the marker never stands without its rows. True when the store holds
// them afterwards.
bool StoreRecordRows(const RecordRows& rows);

}  // namespace vantry
