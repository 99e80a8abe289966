#include "floorreport.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace vantry::bench {

namespace {

// Start-ups are held against the bare window showing one word: any window that draws text pays
// for reading the fonts, which the bare window does not.
constexpr double StartupTarget = 1.15;
constexpr double FirstStartTarget = 1.6;
constexpr double MemoryTarget = 1.25;
constexpr double IdleWindowMs = 10000.0;
constexpr double IdleShareTarget = 0.01;  // of one core

double MedianOf(const std::vector<Sample>& samples, double Sample::*field) {
    std::vector<double> values;
    for (const Sample& s : samples) values.push_back(s.*field);
    return Median(values).value_or(0.0);
}

const char* Verdict(bool met) { return met ? "met" : "MISSED"; }

std::string RatioText(const Ratio& r) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%.2fx", r.lowerBound ? ">" : "", r.value);
    return text;
}

}  // namespace

std::optional<double> Median(std::vector<double> values) {
    if (values.empty()) return std::nullopt;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2.0;
}

Ratio CpuRatio(double vantryMs, double bareMs, double tickMs) {
    if (bareMs >= tickMs) return Ratio{vantryMs / bareMs, false};
    return Ratio{vantryMs / tickMs, true};
}

void PrintFloorReport(const std::string& platform, int rounds, int aboutRounds, const FloorSamples& samples) {
    const double tickMs = 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
    const std::vector<Sample>& vantry = samples.vantry;
    const std::vector<Sample>& bare = samples.bare;
    const double vStart = MedianOf(vantry, &Sample::startupMs), bStart = MedianOf(bare, &Sample::startupMs);
    const double wStart = samples.oneWord.empty() ? bStart : MedianOf(samples.oneWord, &Sample::startupMs);
    const double vFirst = MedianOf(samples.firstStart, &Sample::startupMs);
    const double vMem = MedianOf(samples.vantryIdle, &Sample::residentMiB);
    const double bMem = MedianOf(samples.bareIdle, &Sample::residentMiB);
    const double vIdle = MedianOf(samples.vantryIdle, &Sample::idleCpuMs);
    const double bIdle = MedianOf(samples.bareIdle, &Sample::idleCpuMs);
    const double vAbout = MedianOf(samples.about, &Sample::idleCpuMs);
    const Ratio idle = CpuRatio(vIdle, bIdle, tickMs);
    const Ratio aboutRatio = CpuRatio(vAbout, bIdle, tickMs);
    const double idleShare = vIdle / IdleWindowMs;
    // Whole ticks either way: the About window may cost one tick more before it counts as more.
    const bool aboutMet = vAbout <= vIdle + tickMs;

    std::printf("\nVantry against a bare Qt Widgets window of the board's size, on the %s\n", platform.c_str());
    std::printf("medians of %d rounds each (About: %d rounds), taken by turns\n\n", rounds, aboutRounds);
    std::printf("%-44s %9s %9s %9s   %s\n", "", "Vantry", "bare", "ratio", "target");
    std::printf("%-44s %9.1f %9.1f %8.2fx   <= %.2fx, %s\n", "start-up to first frame (ms), one word", vStart, wStart,
                vStart / wStart, StartupTarget, Verdict(vStart <= StartupTarget * wStart));
    std::printf("%-44s %9.1f %9.1f %8.2fx   <= %.2fx, %s\n", "first start, empty caches (ms), one word", vFirst, wStart,
                vFirst / wStart, FirstStartTarget, Verdict(vFirst <= FirstStartTarget * wStart));
    std::printf("%-44s %9.1f %9.1f %8.2fx   <= %.2fx, %s\n", "resident memory 1 s after it (MiB)", vMem, bMem,
                vMem / bMem, MemoryTarget, Verdict(vMem <= MemoryTarget * bMem));
    std::printf("%-44s %9.0f %9.0f %9s   <= 1 %% of a core (%.2f %%), %s\n", "CPU, 10 s idle board, blink on (ms)",
                vIdle, bIdle, RatioText(idle).c_str(), idleShare * 100.0, Verdict(idleShare <= IdleShareTarget));
    std::printf("%-44s %9.0f %9.0f %9s   <= the idle board, %s\n", "CPU, 10 s About after its credits (ms)", vAbout,
                bIdle, RatioText(aboutRatio).c_str(), Verdict(aboutMet));
    std::printf("\nStart-ups are held against the bare window showing one word in the application's font;\n"
                "the bare window without it starts up in %.1f ms, and Vantry in %.2fx that.\n",
                bStart, vStart / bStart);
    std::printf("\nCPU times are whole clock ticks of %.0f ms; a '>' ratio means the bare window used less than one.\n",
                tickMs);
}

}  // namespace vantry::bench
