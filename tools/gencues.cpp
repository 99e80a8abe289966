// Writes the game's five sound cues as 16-bit mono WAV files: short synthesised tones, one
// distinct shape for the throw, the step, the ladder, the snake and the win.
// Usage: gencues <media folder>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int SampleRate = 22050;
constexpr double Pi = 3.14159265358979323846;

struct Note {
    double startHz;
    double endHz;
    double seconds;
};

void PutLE(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::vector<std::int16_t> Render(const std::vector<Note>& notes, double noise) {
    std::vector<std::int16_t> samples;
    std::uint32_t lcg = 12345;
    double phase = 0.0;
    for (const Note& n : notes) {
        const int count = static_cast<int>(n.seconds * SampleRate);
        for (int s = 0; s < count; ++s) {
            const double t = static_cast<double>(s) / count;
            const double hz = n.startHz + (n.endHz - n.startHz) * t;
            phase += 2.0 * Pi * hz / SampleRate;
            // A quick attack and an exponential fall keep every cue free of clicks.
            const double envelope = std::min(1.0, s / (0.004 * SampleRate)) * std::exp(-4.0 * t);
            lcg = lcg * 1664525u + 1013904223u;
            const double hiss = (static_cast<double>(lcg >> 8) / 16777216.0 * 2.0 - 1.0) * noise;
            const double value = (std::sin(phase) * (1.0 - noise) + hiss) * envelope * 0.6;
            samples.push_back(static_cast<std::int16_t>(value * 32767.0));
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
        {"MOH", {{392, 392, 0.09}, {523, 523, 0.09}, {659, 659, 0.09}, {784, 784, 0.16}}, 0.0},
        {"NOH", {{700, 180, 0.5}}, 0.08},
        {"Tashwiq", {{523, 523, 0.12}, {659, 659, 0.12}, {784, 784, 0.12}, {1047, 1047, 0.4}}, 0.0},
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
