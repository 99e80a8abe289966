#pragma once

namespace vantry {

// The marker ("Records", "Boolean") of the per-user store: empty or absent gives false,
// "True" gives true, anything else leaves `stored` as it was.
void ReadRecordsStored(bool& stored);

}  // namespace vantry
