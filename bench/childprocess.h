#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace vantry::bench {

// A program started with this process's environment plus `extraEnv` ("NAME=value", replacing
// a variable of the same name), its output sent to `logPath`. Ended, if still running, when
// the object goes: asked with SIGTERM, killed a second later. Descriptors opened without
// close-on-exec are inherited.
class ChildProcess {
public:
    ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv,
                 const std::string& logPath);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return pid_; }
    bool Started() const { return pid_ > 0; }
    // False once the program has ended (and been reaped).
    bool Running();
    void Stop();

private:
    pid_t pid_ = -1;
    bool reaped_ = false;
};

}  // namespace vantry::bench
