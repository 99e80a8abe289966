#pragma once

#include <optional>

#include "recordstable.h"
#include "userstorewrite.h"

namespace vantry {

// The best-players table in the per-user store ("Vantry", section "Records"): the marker
// "Boolean" and the rows "Names1".."Names10", "Moves1".."Moves10", all strings. Another copy
// of the game may write the same table at any time, so it is read afresh wherever it counts.

// The stored rows. A key that is missing reads as the default row's value at its place
// ("Unknown3", "100"), so a table stored in part keeps the places it does not hold open.
RecordRows ReadStoredRecordRows();

// Whether the per-user store holds a best-players table: the marker ("Records", "Boolean")
// reads "True" in any letter case, or any of the table's rows is stored, whatever the marker
// says (a table written by hand or by another program). Otherwise an empty or absent marker
// gives false, and any other text leaves `stored` as it was.
void ReadRecordsStored(bool& stored);

// Writes all ten rows, whatever changed, and after them the marker "True" that tells later
// runs to read them, so the marker never stands without its rows. No value when stored.
std::optional<StoreFailure> StoreRecordRows(const RecordRows& rows, int lockWaitMs = StoreLockWaitMs);

}  // namespace vantry
