#include "xvfbdisplay.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace vantry::bench {

namespace {

// Reads the display number Xvfb writes once it is ready to take clients.
std::string ReadDisplayNumber(int fd, int timeoutMs) {
    std::string number;
    pollfd p{fd, POLLIN, 0};
    char c = 0;
    while (poll(&p, 1, timeoutMs) > 0 && read(fd, &c, 1) == 1) {
        if (c == '\n') return number;
        number += c;
    }
    return {};
}

}  // namespace

XvfbDisplay::XvfbDisplay(const std::string& logPath) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return;
    fcntl(fds[1], F_SETFD, 0);  // the server writes its display number here
    server_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"/usr/bin/Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x1024x24",
                                 "-nolisten", "tcp", "-noreset"},
        std::vector<std::string>{}, logPath);
    close(fds[1]);
    const std::string number = server_->Started() ? ReadDisplayNumber(fds[0], 10000) : std::string();
    close(fds[0]);
    if (number.empty()) {
        server_.reset();
        return;
    }
    display_ = ":" + number;
}

}  // namespace vantry::bench
