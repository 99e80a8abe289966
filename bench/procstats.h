#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>

namespace vantry::bench {

// CLOCK_MONOTONIC in nanoseconds, the clock the first-frame hook reports in.
std::int64_t MonotonicNs();
void SleepUntilNs(std::int64_t monotonicNs);

// User plus system CPU time the process has used so far, in milliseconds (whole clock ticks).
std::optional<double> CpuMs(pid_t pid);
// VmRSS of the process, in KiB.
std::optional<long> ResidentKiB(pid_t pid);

// The first "first_frame_ns N" of a report file, if it has been written in full.
std::optional<std::int64_t> ReadFirstFrame(const std::string& path);

}  // namespace vantry::bench
