#include "failingcalls.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>

namespace vantry::test {

namespace {

std::atomic<bool> commitFails{false};
std::atomic<long> readBudget{-1};  // negative: reads are not failing
std::atomic<bool> newFilesFail{false};
std::atomic<int> failures{0};

template <typename Function>
Function Next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

int Fail(int error = EIO) {
    ++failures;
    errno = error;
    return -1;
}

}  // namespace

FailingCalls::FailingCalls(bool commit, long readBytes, bool newFiles) {
    failures = 0;
    commitFails = commit;
    readBudget = readBytes;
    newFilesFail = newFiles;
}

FailingCalls::~FailingCalls() {
    commitFails = false;
    readBudget = -1;
    newFilesFail = false;
}

int FailingCalls::Failures() const { return failures; }

}  // namespace vantry::test

using vantry::test::commitFails;
using vantry::test::newFilesFail;
using vantry::test::readBudget;

extern "C" int rename(const char* from, const char* to) {
    static const auto next = vantry::test::Next<int (*)(const char*, const char*)>("rename");
    if (commitFails) return vantry::test::Fail();
    return next(from, to);
}

extern "C" int linkat(int fromDir, const char* from, int toDir, const char* to, int flags) {
    static const auto next = vantry::test::Next<int (*)(int, const char*, int, const char*, int)>("linkat");
    if (commitFails) return vantry::test::Fail();
    return next(fromDir, from, toDir, to, flags);
}

extern "C" ssize_t read(int fd, void* buffer, size_t count) {
    static const auto next = vantry::test::Next<ssize_t (*)(int, void*, size_t)>("read");
    const long budget = readBudget;
    if (budget < 0) return next(fd, buffer, count);
    if (budget == 0) return vantry::test::Fail();
    const ssize_t got = next(fd, buffer, std::min(count, static_cast<size_t>(budget)));
    if (got > 0) readBudget -= got;
    return got;
}

// The toolkit opens its files through open64; a new file is an unnamed one in a folder or one
// that must not exist yet.
extern "C" int open64(const char* path, int flags, ...) {
    static const auto next = vantry::test::Next<int (*)(const char*, int, ...)>("open64");
    const bool unnamed = (flags & O_TMPFILE) == O_TMPFILE;
    mode_t mode = 0;
    if (unnamed || (flags & O_CREAT) != 0) {
        va_list rest;
        va_start(rest, flags);
        mode = static_cast<mode_t>(va_arg(rest, int));
        va_end(rest);
    }
    const bool makesNewFile = unnamed || (flags & (O_CREAT | O_EXCL)) == (O_CREAT | O_EXCL);
    if (newFilesFail && makesNewFile) return vantry::test::Fail(EACCES);
    return next(path, flags, mode);
}
