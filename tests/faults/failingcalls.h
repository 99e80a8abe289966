#pragma once

#include <atomic>

namespace vantry::test {

// Makes C library calls of the file layer fail while an instance lives, as a full disk, a
// pulled drive or a bad sector would, which a test running as root cannot bring about with
// permissions. The calls are replaced in the test program itself, so the toolkit's own calls
// to them fail too; every other call passes through unchanged.
class FailingCalls {
public:
    // rename() and linkat(), by which a finished saved game takes the place of the old file,
    // fail with EIO.
    static FailingCalls Commit() { return FailingCalls(true, -1); }
    // read() passes `bytes` in all, then fails with EIO.
    static FailingCalls ReadAfter(long bytes) { return FailingCalls(false, bytes); }
    // Making a new file fails with EACCES, as in a folder the user may not write to; files
    // already there open as before.
    static FailingCalls NewFiles() { return FailingCalls(false, -1, true); }

    ~FailingCalls();
    FailingCalls(const FailingCalls&) = delete;
    FailingCalls& operator=(const FailingCalls&) = delete;

    // The calls made to fail so far: zero means the fault was never reached.
    int Failures() const;

private:
    FailingCalls(bool commit, long readBytes, bool newFiles = false);
};

}  // namespace vantry::test
