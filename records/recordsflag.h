#pragma once

namespace vantry {

// Whether the per-user store holds a best-players table: the marker ("Records", "Boolean")
// reads "True" in any letter case, or any of the table's rows is stored, whatever the marker
// says (a table written by hand or by another program). Otherwise an empty or absent marker
// gives false, and any other text leaves `stored` as it was.
void ReadRecordsStored(bool& stored);

}  // namespace vantry
