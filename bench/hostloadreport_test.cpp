// The host-load figures' arithmetic: a wrong match or verdict would report a pace kept
// that was not.
#include <gtest/gtest.h>

#include "hostloadreport.h"

namespace vantry::bench {
namespace {

TEST(HostLoadReport, LatenciesMatchEventsByGameAndNumberAndCountTheFirstHearing) {
    const std::vector<EventStamp> host{{0, 5, 1000000}, {0, 6, 2000000}, {1, 0, 3000000}, {1, 1, 4000000}};
    const std::vector<EventStamp> guest{
        {0, 5, 1500000},
        {0, 5, 9000000},  // heard again after a return: not a second figure
        {1, 0, 3250000},
        {0, 1, 100},      // before the host began to stamp
        {2, 1, 5000000},  // another game's event of the same number
    };
    const std::vector<double> ms = Latencies(host, guest);
    ASSERT_EQ(ms.size(), 2u);
    EXPECT_DOUBLE_EQ(ms[0], 0.5);
    EXPECT_DOUBLE_EQ(ms[1], 0.25);
}

PhaseFigures Kept() {
    PhaseFigures p;
    p.lateMs = std::vector<double>(80, 1.0);
    p.latencyMs = std::vector<double>(80, 2.0);
    p.stepsDue = p.stepsTaken = 80;
    p.cpuShare = 0.01;
    return p;
}

AttackRound Withstood() {
    AttackRound r{Kept(), Kept(), {}, {}};
    r.counts.opened = {{"bad secret", 100}, {"silent", 100}};
    r.counts.dropped = r.counts.opened;
    return r;
}

TEST(HostLoadReport, EachBarFailsOnTheFaultItGuards) {
    struct Case {
        const char* what;
        void (*spoil)(AttackRound&, TableRound&);
        Verdicts expected;
    };
    const Case cases[] = {
        {"nothing wrong", [](AttackRound&, TableRound&) {}, {true, true, true}},
        {"one step a whole pace late", [](AttackRound& a, TableRound&) { a.attack.lateMs.back() = BriskStepMs; }, {false, true, true}},
        {"one step in ten late by 30 ms", [](AttackRound& a, TableRound&) { for (std::size_t i = 0; i < a.attack.lateMs.size(); i += 10) a.attack.lateMs[i] = 30.0; }, {false, true, true}},
        {"two steps missed", [](AttackRound& a, TableRound&) { a.attack.stepsTaken -= 2; }, {false, true, true}},
        {"the guest's events slow", [](AttackRound& a, TableRound&) { a.attack.latencyMs.assign(80, 40.0); }, {false, true, true}},
        {"no event reached the guest", [](AttackRound& a, TableRound&) { a.attack.latencyMs.clear(); }, {false, true, true}},
        {"a slow quiet phase is no fault of the attack", [](AttackRound& a, TableRound&) { a.quiet.lateMs.assign(80, 100.0); }, {true, true, true}},
        {"one hostile connection left open", [](AttackRound& a, TableRound&) { --a.counts.dropped["silent"]; }, {true, false, true}},
        {"no hostile connection opened", [](AttackRound& a, TableRound&) { a.counts = {}; }, {true, false, true}},
        {"the table past 3 %", [](AttackRound&, TableRound& t) { t.play.cpuShare = 0.031; }, {true, true, false}},
        {"a table that played nothing", [](AttackRound&, TableRound& t) { t.play.stepsTaken = 0; t.play.cpuShare = 0.0; }, {true, true, false}},
    };
    for (const Case& c : cases) {
        std::vector<AttackRound> attack{Withstood(), Withstood()};
        std::vector<TableRound> table{{Kept()}, {Kept()}};
        c.spoil(attack.back(), table.back());
        const Verdicts v = Judge(attack, table);
        EXPECT_EQ(v.pace, c.expected.pace) << c.what;
        EXPECT_EQ(v.dropped, c.expected.dropped) << c.what;
        EXPECT_EQ(v.cpu, c.expected.cpu) << c.what;
    }
}

}  // namespace
}  // namespace vantry::bench
