#pragma once

#include <thread>

namespace vantry {

// Reads the system's font configuration on a thread of its own while the toolkit connects to
// the display. The first text the board lays out needs it, and reading it (a few dozen XML
// files) is the largest single cost of a start; done beside the connection, it is mostly
// hidden. The toolkit later finds the configuration loaded. Wait() before building windows.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    // Neither copied nor moved: the thread it holds cannot be copied, and the destructor it
    // declares leaves it no implicit move.
    ~FontConfigWarmUp();

    void Wait();

private:
    std::thread reader_;
};

}  // namespace vantry
