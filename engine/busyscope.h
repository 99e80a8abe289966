#pragma once

namespace vantry {

// Raises the busy flag for the length of a move and puts back what it found, so that a move
// started from inside another one's win windows does not clear the outer move's flag early.
class BusyScope {
public:
    explicit BusyScope(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = before_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
    bool before_;
};

}  // namespace vantry
