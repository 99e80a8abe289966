#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <unistd.h>

#include "document.h"
#include "engine.h"
#include "recordinglistener.h"
#include "gamestate.h"
#include "scriptedprompter.h"

#if defined(__SANITIZE_ADDRESS__)
#define VANTRY_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VANTRY_ADDRESS_SANITIZER 1
#endif
#endif

#ifdef VANTRY_ADDRESS_SANITIZER
// The address sanitizer holds freed memory back for a while to catch late uses, so the memory
// in use would grow with every string the games make and free. Without that hold, memory that
// is freed is used again, and what still grows is what the games keep.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=0:thread_local_quarantine_size_kb=0"; }
#endif

namespace vantry {
namespace {

// Counts the wins and keeps nothing else, so that only the game itself could grow over a
// long run.
class WinCounter : public GameListener {
public:
    void Recorded(const vantry::GameRecord& record, bool) override {
        if (record.back().kind == vantry::RecordEvent::Kind::Win) ++wins;
    }
    int wins = 0;
};

long ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// Draws that look like a fair die but repeat exactly from run to run.
std::vector<float> FairDraws() {
    std::mt19937 generator(20240611u);
    std::uniform_real_distribution<float> uniform(0.0f, 0.999f);
    std::vector<float> draws(7919);
    for (float& d : draws) d = uniform(generator);
    return draws;
}

// Four computer seats play game after game through the timer ticks alone, each new game put on
// the board as "&New Game" would; the memory in use after game 1,000 is still enough for game
// 10,000.
TEST(Soak, TenThousandComputerGamesRunInFlatMemory) {
    GameState state;
    state.IsComputer = {true, true, true, true};
    WinCounter listener;
    test::ScriptedPrompter prompter;
    test::ScriptedRandom random(FairDraws());
    Engine engine(state, random);
    engine.SetListener(&listener);
    Document document(engine, prompter);

    constexpr int Games = 10000;
    std::array<int, 4> wins{};
    long afterFirstThousand = 0;
    for (int game = 1; game <= Games; ++game) {
        document.ResetBoard();
        int ticks = 0;
        while (listener.wins < game && ticks < 100000) {
            if (state.Timer(GameTimer::timPlay)) {
                engine.timPlay_Timer();
            } else {
                engine.timGo_Timer();
            }
            engine.Timer1_Timer();
            ++ticks;
        }
        ASSERT_EQ(listener.wins, game) << "game " << game << " did not end";
        int winner = 0;
        while (state.Position[static_cast<std::size_t>(winner)] != FinalPosition) ++winner;
        ASSERT_LT(winner, 4);
        ASSERT_EQ(state.WinnerMoves, state.MoveCount[static_cast<std::size_t>(winner)]);
        ++wins[static_cast<std::size_t>(winner)];
        if (game == 1000) afterFirstThousand = ResidentBytes();
    }
    const long afterLast = ResidentBytes();
    std::printf("resident after game 1,000: %ld KiB, after game 10,000: %ld KiB\n", afterFirstThousand / 1024,
                afterLast / 1024);
    EXPECT_LT(afterLast - afterFirstThousand, 1024 * 1024);
    for (int seat = 0; seat < 4; ++seat) EXPECT_GT(wins[static_cast<std::size_t>(seat)], Games / 10) << seat;
    EXPECT_TRUE(prompter.messages.isEmpty());
}

}  // namespace
}  // namespace vantry
