#include "failingcalls.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace vantry::test {

namespace {

std::atomic<bool> commitFails{false};
std::atomic<long> readBudget{-1};  // negative: reads are not failing
std::atomic<int> failures{0};

template <typename Function>
Function Next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

int Fail() {
    ++failures;
    errno = EIO;
    return -1;
}

}  // namespace

FailingCalls::FailingCalls(bool commit, long readBytes) {
    failures = 0;
    commitFails = commit;
    readBudget = readBytes;
}

FailingCalls::~FailingCalls() {
    commitFails = false;
    readBudget = -1;
}

int FailingCalls::Failures() const { return failures; }

}  // namespace vantry::test

using vantry::test::commitFails;
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
