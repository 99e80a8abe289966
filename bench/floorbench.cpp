// Runs the game and a bare Qt Widgets window of the board's size by turns, on a virtual X
// server of their own, and prints medians and ratios of what each costs: the time from process
// start to the first frame (after an earlier start, and on a first start with empty caches),
// the resident memory a second after it, and the CPU time of ten
// idle seconds, for the board waiting for a person's throw and for the About window once its
// credits have gone. The bare window showing one word is timed beside them, for reference.
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
constexpr std::int64_t MemoryAfter = 1 * Second;
constexpr std::int64_t IdleWindow = 10 * Second;
// The credits are gone some 8.6 s after the About window opens (156 ticks of 55 ms); this
// leaves room for a busy machine's late timers.
constexpr std::int64_t AboutCreditsGone = 12 * Second;

struct Options {
    std::string vantry;
    std::string bare;
    int rounds = 7;
    int aboutRounds = 3;
};

enum class Road { StartOnly, FirstStart, Idle, About };

struct Setup {
    fs::path folder;
    std::vector<std::string> env;
    std::string report;
    std::string log;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        const std::string value = argv[i + 1];
        if (key == "--vantry") o.vantry = value;
        else if (key == "--bare") o.bare = value;
        else if (key == "--rounds") o.rounds = std::max(1, std::atoi(value.c_str()));
        else if (key == "--about-rounds") o.aboutRounds = std::max(1, std::atoi(value.c_str()));
        else return std::nullopt;
    }
    if (o.vantry.empty() || o.bare.empty()) return std::nullopt;
    return o;
}

// Four people at the table with the first to throw: the board waits for a person, blinking.
std::string WriteSavedGame(const fs::path& folder) {
    const fs::path path = folder / "four-people.vty";
    std::ofstream out(path, std::ios::binary);
    out << "False\r\nFalse\r\nFalse\r\nFalse\r\n";
    for (int field = 0; field < 9; ++field) out << " " << (field == 6 ? 0 : 4 + field) << " \r\n";
    out << "Ann\r\nBart\r\nRobin\r\nEve\r\n";
    return path.string();
}

std::optional<Sample> Measure(const Setup& setup, const std::vector<std::string>& argv, Road road) {
    fs::remove(setup.report);
    std::vector<std::string> env = setup.env;
    if (road == Road::About) env.push_back("VANTRY_BENCH_ABOUT=1");
    // A cache folder of its own, empty, as on a machine where the game has never run.
    const fs::path emptyCache = setup.folder / "first-start-cache";
    if (road == Road::FirstStart) {
        fs::remove_all(emptyCache);
        for (std::string& e : env) {
            if (e.rfind("XDG_CACHE_HOME=", 0) == 0) e = "XDG_CACHE_HOME=" + emptyCache.string();
        }
    }
    const std::int64_t start = MonotonicNs();
    ChildProcess child(argv, env, setup.log);
    std::optional<std::int64_t> frame;
    while (!(frame = ReadFirstFrame(setup.report)) && child.Running() && MonotonicNs() - start < FirstFrameTimeout) {
        SleepUntilNs(MonotonicNs() + 2000000);
    }
    if (!frame) return std::nullopt;
    Sample s;
    s.startupMs = static_cast<double>(*frame - start) / 1e6;
    if (road == Road::StartOnly || road == Road::FirstStart) return s;

    SleepUntilNs(*frame + MemoryAfter);
    const std::optional<long> rss = ResidentKiB(child.Pid());
    const std::int64_t idleFrom = *frame + (road == Road::About ? AboutCreditsGone : MemoryAfter);
    SleepUntilNs(idleFrom);
    const std::optional<double> before = CpuMs(child.Pid());
    SleepUntilNs(idleFrom + IdleWindow);
    const std::optional<double> after = CpuMs(child.Pid());
    if (!rss || !before || !after || !child.Running()) return std::nullopt;
    s.residentMiB = static_cast<double>(*rss) / 1024.0;
    s.idleCpuMs = *after - *before;
    return s;
}

struct Turn {
    const char* what;
    const std::vector<std::string>* argv;
    Road road;
    std::vector<Sample>* into;
};

bool Collect(const Setup& setup, const std::vector<std::string>& argv, Road road, const char* what,
             std::vector<Sample>& into) {
    const std::optional<Sample> s = Measure(setup, argv, road);
    if (!s) {
        std::fprintf(stderr, "%s: no first frame or the program ended early; its output is in %s\n", what,
                     setup.log.c_str());
        return false;
    }
    std::printf("  %-28s start-up %7.1f ms  memory %6.1f MiB  CPU %5.0f ms\n", what, s->startupMs,
                s->residentMiB, s->idleCpuMs);
    std::fflush(stdout);
    into.push_back(*s);
    return true;
}

// Each round starts every program of `turns` once, in the order of the round before turned
// about, so a drift in the machine's load falls on all alike.
template <std::size_t N>
bool RunByTurns(const Setup& setup, const Turn (&turns)[N], int rounds) {
    for (int r = 0; r < rounds; ++r) {
        for (std::size_t t = 0; t < N; ++t) {
            const Turn& turn = turns[r % 2 == 0 ? t : N - 1 - t];
            const std::string label = turn.what + std::string(" ") + std::to_string(r + 1);
            if (!Collect(setup, *turn.argv, turn.road, label.c_str(), *turn.into)) return false;
        }
    }
    return true;
}

int RunAll(const Options& o, Setup& setup, const std::string& platform) {
    const std::string saved = WriteSavedGame(setup.folder);
    const std::vector<std::string> vantry{o.vantry, saved};
    const std::vector<std::string> bare{o.bare};
    const std::vector<std::string> oneWord{o.bare, "--one-word"};
    FloorSamples samples;
    std::vector<Sample> warm;
    // One start of each first, so that neither pays alone for loading the libraries from disk
    // and the game has drawn its pictures once, as on any start after the first.
    if (!Collect(setup, vantry, Road::StartOnly, "first start: Vantry", warm)) return 1;
    if (!Collect(setup, bare, Road::StartOnly, "warm-up: bare window", warm)) return 1;
    // The starts are timed apart from the idle runs, each straight after another program's
    // first frame: a start after a program that sat idle for ten seconds finds the processors
    // and the display server asleep and is slower, so mixing the two would let the order of
    // the turns, not the program, decide part of each figure.
    const Turn starts[] = {{"Vantry", &vantry, Road::StartOnly, &samples.vantry},
                           {"bare window", &bare, Road::StartOnly, &samples.bare},
                           {"Vantry first start", &vantry, Road::FirstStart, &samples.firstStart},
                           {"bare window, one word", &oneWord, Road::StartOnly, &samples.oneWord}};
    if (!RunByTurns(setup, starts, o.rounds)) return 1;
    const Turn stays[] = {{"Vantry left running", &vantry, Road::Idle, &samples.vantryIdle},
                          {"bare window left running", &bare, Road::Idle, &samples.bareIdle}};
    if (!RunByTurns(setup, stays, o.rounds)) return 1;
    for (int r = 0; r < o.aboutRounds; ++r) {
        const std::string label = "Vantry About " + std::to_string(r + 1);
        if (!Collect(setup, vantry, Road::About, label.c_str(), samples.about)) return 1;
    }
    PrintFloorReport(platform, o.rounds, o.aboutRounds, samples);
    std::printf("The game's very first start of the run, its libraries not yet read: %.1f ms.\n", warm.front().startupMs);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = ParseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: %s --vantry PROGRAM --bare PROGRAM [--rounds N] [--about-rounds N]\n", argv[0]);
        return 2;
    }
    char folderTemplate[] = "/tmp/vantry-floor-XXXXXX";
    if (mkdtemp(folderTemplate) == nullptr) return 1;
    Setup setup;
    setup.folder = folderTemplate;
    setup.report = (setup.folder / "first-frame").string();
    setup.log = (setup.folder / "programs.log").string();
    int status = 1;
    {
        XvfbDisplay display((setup.folder / "xvfb.log").string());
        std::string platform = "Xvfb " + display.Display();
        if (display.Display().empty()) {
            // Without an X server the offscreen platform still paints every frame in full.
            std::fprintf(stderr, "Xvfb could not be started; measuring on the offscreen platform\n");
            platform = "offscreen platform";
            setup.env.push_back("QT_QPA_PLATFORM=offscreen");
        } else {
            setup.env.push_back("DISPLAY=" + display.Display());
            setup.env.push_back("QT_QPA_PLATFORM=xcb");
        }
        setup.env.push_back("VANTRY_BENCH_REPORT=" + setup.report);
        setup.env.push_back("XDG_CONFIG_HOME=" + (setup.folder / "config").string());
        setup.env.push_back("XDG_DATA_HOME=" + (setup.folder / "data").string());
        // The caches start empty, so the warm-up start is a first start on this machine.
        setup.env.push_back("XDG_CACHE_HOME=" + (setup.folder / "cache").string());
        status = RunAll(*options, setup, platform);
    }
    if (status == 0) fs::remove_all(setup.folder);
    return status;
}
