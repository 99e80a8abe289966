#pragma once

#include <thread>

namespace vantry {

// Connects to the desktop's session bus on a thread of its own while the board is built. The
// toolkit reaches the accessibility service over that bus at the first change to a widget, and
// would otherwise connect there and then, waiting on it; where no bus address is known it even
// starts a helper to find one. The toolkit later finds the connection made, or waits for the
// same one. Make it once the application object exists.
class SessionBusWarmUp {
public:
    SessionBusWarmUp();
    ~SessionBusWarmUp();
    SessionBusWarmUp(const SessionBusWarmUp&) = delete;
    SessionBusWarmUp& operator=(const SessionBusWarmUp&) = delete;

private:
    std::thread connector_;
};

}  // namespace vantry
