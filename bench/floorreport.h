#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantry::bench {

// What one start of a program cost.
struct Sample {
    double startupMs = 0.0;    // process start to the first frame shown
    double residentMiB = 0.0;  // VmRSS a second after that frame
    double idleCpuMs = 0.0;    // user + system CPU time over the ten idle seconds
};

// The middle value (the mean of the middle two for an even count); nullopt for none.
std::optional<double> Median(std::vector<double> values);

// CPU figures come in whole clock ticks; a bare window commonly uses none in ten seconds, when
// its true cost lies below one tick and the ratio is told as a lower bound.
struct Ratio {
    double value = 0.0;
    bool lowerBound = false;
};
Ratio CpuRatio(double vantryMs, double bareMs, double tickMs);

// Start-ups come from starts timed alone; memory and idle CPU from starts left running.
struct FloorSamples {
    std::vector<Sample> vantry;      // after an earlier start
    std::vector<Sample> bare;
    std::vector<Sample> firstStart;  // empty caches
    std::vector<Sample> oneWord;     // the bare window showing one word
    std::vector<Sample> vantryIdle;
    std::vector<Sample> bareIdle;
    std::vector<Sample> about;
};

void PrintFloorReport(const std::string& platform, int rounds, int aboutRounds, const FloorSamples& samples);

}  // namespace vantry::bench
