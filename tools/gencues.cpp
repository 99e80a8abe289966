// Writes the game's five sound cues as 16-bit mono WAV files: short synthesised tones, one
// distinct shape for the throw, the step, the ladder, the snake and the win.
// Usage: gencues <media folder>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int SampleRate = 22050;
constexpr double Pi = 3.14159265358979323846;

// A tone gliding from startHz to endHz. `brass` adds the overtones of a horn; `chord` sounds
// the major third and fifth with it.
struct Note {
    double startHz;
    double endHz;
    double seconds;
    bool brass = false;
    bool chord = false;
};

void PutLE(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Rises from 0 to 1 along half a cosine over `length` samples, without a corner at either end.
double Ramp(int s, double length) {
    if (length <= 0.0 || s >= length) return 1.0;
    return 0.5 - 0.5 * std::cos(Pi * s / length);
}

double Voice(double phase, bool brass) {
    if (!brass) return std::sin(phase);
    return (std::sin(phase) + 0.5 * std::sin(2.0 * phase) + 0.3 * std::sin(3.0 * phase) + 0.15 * std::sin(4.0 * phase)) /
           1.95;
}

// Every note starts and ends at silence along smooth ramps, so neither its first sample nor
// the join with the next note is a step the ear hears as a click; the last sample of a cue is
// zero, so the sound does not stop abruptly either.
std::vector<std::int16_t> Render(const std::vector<Note>& notes, double noise) {
    std::vector<std::int16_t> samples;
    std::uint32_t lcg = 12345;
    for (const Note& n : notes) {
        const int count = static_cast<int>(n.seconds * SampleRate);
        const double attack = std::min(0.006 * SampleRate, count / 4.0);
        const double release = std::min(0.035 * SampleRate, count / 3.0);
        std::array<double, 3> phases{};
        const std::array<double, 3> ratios{1.0, 1.25, 1.5};
        const int voices = n.chord ? 3 : 1;
        for (int s = 0; s < count; ++s) {
            const double t = static_cast<double>(s) / count;
            const double hz = n.startHz + (n.endHz - n.startHz) * t;
            double tone = 0.0;
            for (int v = 0; v < voices; ++v) {
                const auto k = static_cast<std::size_t>(v);
                phases[k] += 2.0 * Pi * hz * ratios[k] / SampleRate;
                tone += Voice(phases[k], n.brass) / voices;
            }
            const double envelope = Ramp(s, attack) * Ramp(count - 1 - s, release) * std::exp(-2.0 * t);
            lcg = lcg * 1664525u + 1013904223u;
            const double hiss = (static_cast<double>(lcg >> 8) / 16777216.0 * 2.0 - 1.0) * noise;
            const double value = (tone * (1.0 - noise) + hiss) * envelope * 0.6;
            samples.push_back(static_cast<std::int16_t>(std::lround(value * 32767.0)));
        }
    }
    return samples;
}

bool WriteWav(const std::string& path, const std::vector<std::int16_t>& samples) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    PutLE(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    PutLE(out, 16, 4);
    PutLE(out, 1, 2);  // PCM
    PutLE(out, 1, 2);  // mono
    PutLE(out, SampleRate, 4);
    PutLE(out, SampleRate * 2, 4);
    PutLE(out, 2, 2);
    PutLE(out, 16, 2);
    out.write("data", 4);
    PutLE(out, dataBytes, 4);
    for (std::int16_t v : samples) PutLE(out, static_cast<std::uint16_t>(v), 2);
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gencues <media folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    struct Cue {
        const char* name;
        std::vector<Note> notes;
        double noise;
    };
    const std::vector<Cue> cues = {
        {"TossClick", {{1800, 900, 0.035}, {1400, 700, 0.035}, {1100, 600, 0.05}}, 0.55},
        {"PicMMove", {{520, 520, 0.09}}, 0.0},
        // The ladder: quick rungs, each sliding a little upwards, climbing a scale.
        {"MOH",
         {{330, 350, 0.055}, {392, 415, 0.055}, {440, 466, 0.055}, {523, 554, 0.055}, {587, 622, 0.055},
          {659, 698, 0.055}, {784, 830, 0.11}},
         0.0},
        // The snake: one long slide down, over well before a computer's next throw.
        {"NOH", {{700, 180, 0.34}}, 0.08},
        // The win: a horn's call, three short notes and a long one, ending on the full chord.
        {"Tashwiq",
         {{392, 392, 0.11, true}, {392, 392, 0.11, true}, {392, 392, 0.11, true}, {523, 523, 0.22, true},
          {392, 392, 0.12, true}, {523, 523, 0.55, true, true}},
         0.0},
    };
    for (const Cue& cue : cues) {
        const std::string path = dir + "/" + cue.name + ".wav";
        if (!WriteWav(path, Render(cue.notes, cue.noise))) {
            std::fprintf(stderr, "gencues: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
