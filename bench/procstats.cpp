#include "procstats.h"

#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>

namespace vantry::bench {

std::int64_t MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

void SleepUntilNs(std::int64_t monotonicNs) {
    timespec at{};
    at.tv_sec = static_cast<time_t>(monotonicNs / 1000000000);
    at.tv_nsec = static_cast<long>(monotonicNs % 1000000000);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR) {
    }
}

std::optional<double> CpuMs(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(in, line)) return std::nullopt;
    // The command name may hold blanks and parentheses; the fields start after the last ')'.
    const auto close = line.rfind(')');
    if (close == std::string::npos) return std::nullopt;
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    long long utime = 0, stime = 0;
    // Fields 3..13 come before utime (14) and stime (15).
    for (int n = 3; n <= 13 && fields >> field; ++n) {
    }
    if (!(fields >> utime >> stime)) return std::nullopt;
    return static_cast<double>(utime + stime) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

std::optional<long> ResidentKiB(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (in >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            if (in >> kib) return kib;
            return std::nullopt;
        }
        in.ignore(1 << 16, '\n');
    }
    return std::nullopt;
}

std::optional<std::int64_t> ReadFirstFrame(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    if (!std::getline(in, line) || in.eof()) return std::nullopt;  // no line end yet: still being written
    std::istringstream fields(line);
    std::string key;
    long long ns = 0;
    if (fields >> key >> ns && key == "first_frame_ns") return ns;
    return std::nullopt;
}

}  // namespace vantry::bench
