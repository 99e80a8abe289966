#pragma once

#include <memory>
#include <string>

#include "childprocess.h"

namespace vantry::bench {

// A virtual X server of its own for the measured programs, on the first free display, gone
// with the object. Empty Display() when Xvfb could not be started.
class XvfbDisplay {
public:
    explicit XvfbDisplay(const std::string& logPath);

    const std::string& Display() const { return display_; }

private:
    std::unique_ptr<ChildProcess> server_;
    std::string display_;
};

}  // namespace vantry::bench
