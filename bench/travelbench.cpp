// Runs a game of four computer seats on a virtual X server of its own, by turns with the
// counters' travel and with VANTRY_NO_TRAVEL=1, and prints the CPU time each used over ten
// seconds of play, as a share of one core.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "childprocess.h"
#include "floorreport.h"
#include "procstats.h"
#include "xvfbdisplay.h"

namespace fs = std::filesystem;
using namespace vantry::bench;

namespace {

constexpr std::int64_t Second = 1000000000;
constexpr std::int64_t FirstFrameTimeout = 30 * Second;
// The first cue brings the audio module in; the measurement starts after it.
constexpr std::int64_t SettleAfterFrame = 2 * Second;
constexpr std::int64_t PlayWindow = 10 * Second;
constexpr double TargetShare = 3.0;

struct Options {
    std::string vantry;
    int rounds = 3;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        const std::string value = argv[i + 1];
        if (key == "--vantry") o.vantry = value;
        else if (key == "--rounds") o.rounds = std::max(1, std::atoi(value.c_str()));
        else return std::nullopt;
    }
    if (o.vantry.empty()) return std::nullopt;
    return o;
}

// Four computer seats, all on square 1 with Red to throw: no one can win in the ten seconds.
std::string WriteSavedGame(const fs::path& folder) {
    const fs::path path = folder / "four-computers.vty";
    std::ofstream out(path, std::ios::binary);
    out << "True\r\nTrue\r\nTrue\r\nTrue\r\n";
    for (int field = 0; field < 9; ++field) out << " 0 \r\n";
    out << "Ann\r\nBart\r\nRobin\r\nEve\r\n";
    return path.string();
}

std::optional<double> MeasureCpuMs(const std::vector<std::string>& argv, std::vector<std::string> env,
                                   const std::string& report, const std::string& log, bool travel) {
    fs::remove(report);
    if (!travel) env.push_back("VANTRY_NO_TRAVEL=1");
    const std::int64_t start = MonotonicNs();
    ChildProcess child(argv, env, log);
    std::optional<std::int64_t> frame;
    while (!(frame = ReadFirstFrame(report)) && child.Running() && MonotonicNs() - start < FirstFrameTimeout) {
        SleepUntilNs(MonotonicNs() + 2000000);
    }
    if (!frame) return std::nullopt;
    SleepUntilNs(*frame + SettleAfterFrame);
    const std::optional<double> before = CpuMs(child.Pid());
    SleepUntilNs(*frame + SettleAfterFrame + PlayWindow);
    const std::optional<double> after = CpuMs(child.Pid());
    if (!before || !after || !child.Running()) return std::nullopt;
    return *after - *before;
}

double Share(double cpuMs) { return cpuMs / (static_cast<double>(PlayWindow) / 1e6) * 100.0; }

int RunAll(const Options& o, const fs::path& folder, std::vector<std::string> env, const std::string& platform) {
    const std::string report = (folder / "first-frame").string();
    const std::string log = (folder / "programs.log").string();
    env.push_back("VANTRY_BENCH_REPORT=" + report);
    const std::vector<std::string> argv{o.vantry, WriteSavedGame(folder)};
    std::vector<double> with, without;
    for (int r = 0; r < o.rounds; ++r) {
        for (int turn = 0; turn < 2; ++turn) {
            // Turn about who goes first, so a drift in the machine's load falls on both alike.
            const bool travel = (turn == 0) == (r % 2 == 0);
            const std::optional<double> ms = MeasureCpuMs(argv, env, report, log, travel);
            if (!ms) {
                std::fprintf(stderr, "no first frame or the program ended early; its output is in %s\n", log.c_str());
                return 1;
            }
            std::printf("  %-22s round %d  CPU %6.0f ms  (%.2f %% of a core)\n",
                        travel ? "with travel" : "VANTRY_NO_TRAVEL=1", r + 1, *ms, Share(*ms));
            std::fflush(stdout);
            (travel ? with : without).push_back(*ms);
        }
    }
    const double withMs = Median(with).value_or(0.0);
    const double withoutMs = Median(without).value_or(0.0);
    std::printf("Four computer seats, 10 s of play on the %s, medians of %d rounds:\n", platform.c_str(), o.rounds);
    std::printf("  with travel          %6.0f ms CPU = %.2f %% of a core (target: at most %.0f %%)%s\n", withMs,
                Share(withMs), TargetShare, Share(withMs) <= TargetShare ? "" : "  OVER TARGET");
    std::printf("  VANTRY_NO_TRAVEL=1   %6.0f ms CPU = %.2f %% of a core\n", withoutMs, Share(withoutMs));
    std::printf("  the travel's share   %6.0f ms CPU = %.2f %% of a core\n", withMs - withoutMs,
                Share(withMs - withoutMs));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = ParseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: %s --vantry PROGRAM [--rounds N]\n", argv[0]);
        return 2;
    }
    char folderTemplate[] = "/tmp/vantry-travel-XXXXXX";
    if (mkdtemp(folderTemplate) == nullptr) return 1;
    const fs::path folder = folderTemplate;
    std::vector<std::string> env{"XDG_CONFIG_HOME=" + (folder / "config").string(),
                                 "XDG_DATA_HOME=" + (folder / "data").string(),
                                 "XDG_CACHE_HOME=" + (folder / "cache").string()};
    int status = 1;
    {
        XvfbDisplay display((folder / "xvfb.log").string());
        std::string platform = "Xvfb " + display.Display();
        if (display.Display().empty()) {
            std::fprintf(stderr, "Xvfb could not be started; measuring on the offscreen platform\n");
            platform = "offscreen platform";
            env.push_back("QT_QPA_PLATFORM=offscreen");
        } else {
            env.push_back("DISPLAY=" + display.Display());
            env.push_back("QT_QPA_PLATFORM=xcb");
        }
        status = RunAll(*options, folder, env, platform);
    }
    if (status == 0) fs::remove_all(folder);
    return status;
}
