#include "hostloadreport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include "floorreport.h"

namespace vantry::bench {

namespace {

const char* Verdict(bool met) { return met ? "met" : "MISSED"; }

// A figure over the rounds: the median with the lowest and highest beside it.
std::string Spread(const std::vector<double>& values, const char* format) {
    if (values.empty()) return "-";
    char mid[32], lo[32], hi[32], text[112];
    std::snprintf(mid, sizeof mid, format, Median(values).value_or(0.0));
    std::snprintf(lo, sizeof lo, format, *std::min_element(values.begin(), values.end()));
    std::snprintf(hi, sizeof hi, format, *std::max_element(values.begin(), values.end()));
    std::snprintf(text, sizeof text, "%s [%s-%s]", mid, lo, hi);
    return text;
}

template <typename Round>
std::vector<double> Each(const std::vector<Round>& rounds, const std::function<double(const Round&)>& figure) {
    std::vector<double> values;
    for (const Round& r : rounds) values.push_back(figure(r));
    return values;
}

double Max(const std::vector<double>& values) {
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

bool PaceKept(const PhaseFigures& p) {
    return !p.lateMs.empty() && Percentile(p.lateMs, 0.95) <= LatenessP95TargetMs && Max(p.lateMs) < LatenessMaxTargetMs &&
           p.stepsTaken >= p.stepsDue - 1 && !p.latencyMs.empty() && Percentile(p.latencyMs, 0.95) <= LatencyP95TargetMs;
}

}  // namespace

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(share * static_cast<double>(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

std::vector<double> Latencies(const std::vector<EventStamp>& host, const std::vector<EventStamp>& guest) {
    std::map<std::pair<int, int>, std::int64_t> heard;
    for (const EventStamp& g : guest) heard.emplace(std::make_pair(g.game, g.number), g.ns);
    std::vector<double> ms;
    for (const EventStamp& h : host) {
        const auto it = heard.find({h.game, h.number});
        if (it != heard.end() && it->second >= h.ns) ms.push_back(static_cast<double>(it->second - h.ns) / 1e6);
    }
    return ms;
}

int AttackCounts::Opened() const {
    int n = 0;
    for (const auto& [kind, count] : opened) n += count;
    return n;
}

int AttackCounts::Dropped() const {
    int n = 0;
    for (const auto& [kind, count] : dropped) n += count;
    return n;
}

Verdicts Judge(const std::vector<AttackRound>& attack, const std::vector<TableRound>& table) {
    Verdicts v;
    for (const AttackRound& r : attack) {
        v.pace = v.pace && PaceKept(r.attack);
        v.dropped = v.dropped && r.counts.Opened() > 0 && r.counts.Dropped() == r.counts.Opened();
    }
    for (const TableRound& r : table) v.cpu = v.cpu && r.play.stepsTaken > 0 && r.play.cpuShare <= TableCpuTarget;
    return v;
}

void PrintHostLoadReport(int attackSeconds, int tableSeconds, const std::vector<AttackRound>& attack,
                         const std::vector<TableRound>& table) {
    const Verdicts v = Judge(attack, table);
    using A = AttackRound;
    std::printf("\nA hosted game at the brisk pace (a computer step every %d ms) over loopback, the host in a\n"
                "process of its own; figures over the rounds as median [lowest-highest]\n",
                BriskStepMs);

    std::printf("\nHost under attack: one remote seat, three computer seats; %d s quiet, then %d s while\n"
                "hostile connections come 50 a second (%zu rounds)\n\n",
                attackSeconds, attackSeconds, attack.size());
    std::printf("%-36s %24s %24s\n", "", "quiet", "under attack");
    const auto row = [&](const char* name, const std::function<double(const PhaseFigures&)>& f, const char* format) {
        std::printf("%-36s %24s %24s\n", name, Spread(Each<A>(attack, [&](const A& r) { return f(r.quiet); }), format).c_str(),
                    Spread(Each<A>(attack, [&](const A& r) { return f(r.attack); }), format).c_str());
    };
    row("step lateness p95 (ms)", [](const PhaseFigures& p) { return Percentile(p.lateMs, 0.95); }, "%.2f");
    row("step lateness max (ms)", [](const PhaseFigures& p) { return Max(p.lateMs); }, "%.2f");
    row("steps taken of those due", [](const PhaseFigures& p) { return p.stepsTaken - p.stepsDue; }, "%+.0f");
    row("guest's event latency p50 (ms)", [](const PhaseFigures& p) { return Percentile(p.latencyMs, 0.5); }, "%.2f");
    row("guest's event latency p95 (ms)", [](const PhaseFigures& p) { return Percentile(p.latencyMs, 0.95); }, "%.2f");
    row("host CPU (% of one core)", [](const PhaseFigures& p) { return p.cpuShare * 100.0; }, "%.2f");
    std::printf("%-36s %24s %24s\n", "hostile connections opened", "",
                Spread(Each<A>(attack, [](const A& r) { return r.counts.Opened(); }), "%.0f").c_str());
    std::printf("%-36s %24s %24s\n", "  dropped by the host", "",
                Spread(Each<A>(attack, [](const A& r) { return r.counts.Dropped(); }), "%.0f").c_str());
    if (!attack.empty()) {
        for (const auto& [kind, n] : attack.front().counts.opened) {
            const auto count = [&](const A& r) {
                const auto it = r.counts.dropped.find(kind);
                return it == r.counts.dropped.end() ? 0.0 : it->second;
            };
            const auto held = [&](const A& r) {
                const auto it = r.counts.longestHeldS.find(kind);
                return it == r.counts.longestHeldS.end() ? 0.0 : it->second;
            };
            const auto tls = [&](const A& r) {
                const auto it = r.counts.encrypted.find(kind);
                return it == r.counts.encrypted.end() ? 0.0 : it->second;
            };
            const std::string name = "    " + kind;
            std::printf("%-36s %24s %24s   held <= %s s", name.c_str(), "", Spread(Each<A>(attack, count), "%.0f").c_str(),
                        Spread(Each<A>(attack, held), "%.1f").c_str());
            if (Max(Each<A>(attack, tls)) > 0) std::printf(", %s past TLS", Spread(Each<A>(attack, tls), "%.0f").c_str());
            std::printf("\n");
        }
    }
    std::vector<double> joins;
    int neverJoined = 0;
    for (const A& r : attack) r.late.seconds < 0 ? static_cast<void>(++neverJoined) : joins.push_back(r.late.seconds);
    std::printf("%-36s %24s %24s\n", "flood's chat lines the guest was shown", "",
                Spread(Each<A>(attack, [](const A& r) { return r.chatsHeard; }), "%.0f").c_str());
    // Not a target of its own: whether a player can still come in while the attack lasts.
    std::printf("%-36s %24s %24s%s\n", "a new watcher's join, 5 s in (s)", "", Spread(joins, "%.1f").c_str(),
                neverJoined ? ("   " + std::to_string(neverJoined) + " never got in").c_str() : "");

    std::printf("\n%-60s %s\n", "the game keeps its pace under attack", Verdict(v.pace));
    std::printf("  (steps late by <= 25 ms at p95, none by a whole step or missed; the guest's events <= 25 ms at p95)\n");
    std::printf("%-60s %s\n", "every hostile connection dropped by the host", Verdict(v.dropped));

    using T = TableRound;
    std::printf("\nHost with a full table: three remote seats played at the same pace, one computer seat and\n"
                "16 watchers, every one a guest over loopback; %d s of play (%zu rounds)\n\n",
                tableSeconds, table.size());
    std::printf("%-36s %24s\n", "host CPU (% of one core)",
                Spread(Each<T>(table, [](const T& r) { return r.play.cpuShare * 100.0; }), "%.2f").c_str());
    std::printf("%-36s %24s\n", "steps taken of those due",
                Spread(Each<T>(table, [](const T& r) { return r.play.stepsTaken - r.play.stepsDue; }), "%+.0f").c_str());
    std::printf("%-36s %24s\n", "step lateness p95 (ms)",
                Spread(Each<T>(table, [](const T& r) { return Percentile(r.play.lateMs, 0.95); }), "%.2f").c_str());
    std::printf("%-36s %24s\n", "event latency p95, 19 guests (ms)",
                Spread(Each<T>(table, [](const T& r) { return Percentile(r.play.latencyMs, 0.95); }), "%.2f").c_str());
    std::printf("\n%-60s %s\n", "host CPU with a full table <= 3 % of one core", Verdict(v.cpu));
}

}  // namespace vantry::bench
