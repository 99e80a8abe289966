#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace vantry::bench {

// The step of the computer seats at the brisk pace: a throw or a move every quarter second.
constexpr int BriskStepMs = 250;

// The value below which `share` (0..1) of the values lie, by the nearest rank; 0 for none.
double Percentile(std::vector<double> values, double share);

// One event as the host recorded it or a guest heard it: which game, its place in that
// game's record, and when (CLOCK_MONOTONIC, ns).
struct EventStamp {
    int game = 0;
    int number = 0;
    std::int64_t ns = 0;
};

// How long each event the host recorded took to reach the guest, in milliseconds, for the
// events both sides stamped; an event heard twice (a replay after a drop) counts at its first.
std::vector<double> Latencies(const std::vector<EventStamp>& host, const std::vector<EventStamp>& guest);

// What one phase of a hosted game measured on the host and at its guests.
struct PhaseFigures {
    std::vector<double> lateMs;       // each step's lateness past its due time
    std::vector<double> latencyMs;    // each event's way to the guests
    int stepsDue = 0;                 // steps the phase's length holds at the pace
    int stepsTaken = 0;
    double cpuShare = 0.0;            // host CPU over the phase's wall time, of one core
};

// The hostile connections of an attack, by kind.
struct AttackCounts {
    std::map<std::string, int> opened;
    std::map<std::string, int> dropped;  // by the host, before the attacker let go
    std::map<std::string, double> longestHeldS;  // the longest a dropped one stayed open
    std::map<std::string, int> encrypted;  // through the TLS handshake: past the connection cap
    int Opened() const;
    int Dropped() const;
};

// A watcher's try to join while the host is under attack: -1 when it never got in.
struct LateJoin {
    double seconds = -1.0;
};

struct AttackRound {
    PhaseFigures quiet;
    PhaseFigures attack;
    AttackCounts counts;
    LateJoin late;
    int chatsHeard = 0;  // lines of the flood the seated guest was shown
};

struct TableRound {
    PhaseFigures play;
};

// The targets: the pace is kept when a step is late by at most a tenth of it at the 95th
// percentile and no step is missed (none late by a whole step); the guest's events keep
// within the same tenth. A full table costs the host at most 3 % of one core.
constexpr double LatenessP95TargetMs = BriskStepMs / 10.0;
constexpr double LatenessMaxTargetMs = BriskStepMs;
constexpr double LatencyP95TargetMs = BriskStepMs / 10.0;
constexpr double TableCpuTarget = 0.03;

struct Verdicts {
    bool pace = true;
    bool dropped = true;
    bool cpu = true;
};
Verdicts Judge(const std::vector<AttackRound>& attack, const std::vector<TableRound>& table);

void PrintHostLoadReport(int attackSeconds, int tableSeconds, const std::vector<AttackRound>& attack,
                         const std::vector<TableRound>& table);

}  // namespace vantry::bench
