#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

namespace tumblehand::cues {

inline constexpr std::uint32_t cueSampleRate = 44100;

/// One cue: the file name without ".wav" and its samples in -1..1 at `cueSampleRate`.
struct Cue {
    std::string name;
    std::vector<double> samples;
};

namespace detail {

/// Relative strength of each partial (1 = fundamental) and how much faster the upper ones fade.
struct Timbre {
    std::vector<double> partials;
    double decayPerSecond;
    double upperDecay;  // extra decay per partial above the first
};

inline double rampUp(double t, double length) {
    if (t >= length) return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t / length);
}

/// Adds one struck note: soft raised-cosine attack, exponential ring, raised-cosine release.
inline void addNote(std::vector<double>& out, double startSeconds, double frequency, double seconds, double amplitude,
                    const Timbre& timbre) {
    constexpr double attack = 0.006;
    constexpr double release = 0.05;
    const auto first = static_cast<std::size_t>(startSeconds * cueSampleRate);
    const auto count = static_cast<std::size_t>(seconds * cueSampleRate);
    if (out.size() < first + count) out.resize(first + count, 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / cueSampleRate;
        const double envelope =
            amplitude * rampUp(t, attack) * rampUp(seconds - t, release) * std::exp(-timbre.decayPerSecond * t);
        double value = 0.0;
        for (std::size_t k = 0; k < timbre.partials.size(); ++k) {
            const double n = static_cast<double>(k + 1);
            value += timbre.partials[k] * std::exp(-timbre.upperDecay * (n - 1.0) * t) *
                     std::sin(2.0 * std::numbers::pi * n * frequency * t);
        }
        out[first + i] += envelope * value;
    }
}

/// Scales to the given peak and fades the last few milliseconds so the cue ends on silence.
inline std::vector<double> finish(std::vector<double> samples, double peak) {
    double largest = 0.0;
    for (double s : samples) largest = std::max(largest, std::abs(s));
    if (largest > 0.0)
        for (double& s : samples) s *= peak / largest;
    const std::size_t fade = std::min<std::size_t>(samples.size(), cueSampleRate / 100);
    for (std::size_t i = 0; i < fade; ++i)
        samples[samples.size() - 1 - i] *= rampUp(static_cast<double>(i) / cueSampleRate, 0.01);
    return samples;
}

inline double noteFrequency(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

inline std::vector<double> arpeggio(const std::vector<int>& notes, double step, double ring, const Timbre& timbre) {
    std::vector<double> out;
    for (std::size_t i = 0; i < notes.size(); ++i)
        addNote(out, step * static_cast<double>(i), noteFrequency(notes[i]), ring, 1.0, timbre);
    return out;
}

inline std::vector<double> singleNote(int semitonesFromA4, const Timbre& timbre) {
    std::vector<double> out;
    addNote(out, 0.0, noteFrequency(semitonesFromA4), 0.32, 1.0, timbre);
    // A quiet octave above gives the note a little sparkle without hiding its pitch.
    addNote(out, 0.0, 2.0 * noteFrequency(semitonesFromA4), 0.2, 0.12, timbre);
    return out;
}

/// A low tone that sags in pitch, with a slow wobble: the sound of a row that made nothing.
inline std::vector<double> boo() {
    constexpr double seconds = 0.62;
    constexpr double attack = 0.03;
    constexpr double release = 0.12;
    const auto count = static_cast<std::size_t>(seconds * cueSampleRate);
    std::vector<double> out(count, 0.0);
    std::vector<double> phase(8, 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / cueSampleRate;
        const double frequency =
            196.0 * std::pow(0.55, t / seconds) * (1.0 + 0.012 * std::sin(2.0 * std::numbers::pi * 6.0 * t));
        double value = 0.0;
        for (std::size_t k = 0; k < phase.size(); ++k) {
            const double n = static_cast<double>(k + 1);
            phase[k] += 2.0 * std::numbers::pi * n * frequency / cueSampleRate;
            // Odd partials a little stronger: a hollow, reedy "boo" rather than a buzz.
            const double weight = (k % 2 == 0 ? 1.0 : 0.45) / std::pow(n, 1.4);
            value += weight * std::sin(phase[k]);
        }
        out[i] = value * rampUp(t, attack) * rampUp(seconds - t, release) * std::exp(-1.2 * t);
    }
    return out;
}

}  // namespace detail

/// The eight cues, named as the game looks them up in its sound folder.
inline std::vector<Cue> makeCues() {
    using detail::Timbre;
    const Timbre bell{{1.0, 0.45, 0.22, 0.12, 0.06}, 4.0, 6.0};
    const Timbre bright{{1.0, 0.5, 0.3, 0.18, 0.1, 0.05}, 3.5, 5.0};
    const Timbre mallet{{1.0, 0.3, 0.12, 0.05}, 7.0, 9.0};
    constexpr double peak = 0.7;

    std::vector<Cue> cues;
    // C6 E6 G6 C7, quick and ringing.
    cues.push_back({"up2", detail::finish(detail::arpeggio({15, 19, 22, 27}, 0.075, 0.48, bright), peak)});
    // C5 E5 G5 C6, a little slower and an octave lower.
    cues.push_back({"up", detail::finish(detail::arpeggio({3, 7, 10, 15}, 0.085, 0.36, bell), peak)});
    // Single notes climbing a pentatonic scale: G4 A4 C5 D5 E5.
    cues.push_back({"Flush", detail::finish(detail::singleNote(7, mallet), peak)});
    cues.push_back({"ph", detail::finish(detail::singleNote(5, mallet), peak)});
    cues.push_back({"te", detail::finish(detail::singleNote(3, mallet), peak)});
    cues.push_back({"pe", detail::finish(detail::singleNote(0, mallet), peak)});
    cues.push_back({"pn", detail::finish(detail::singleNote(-2, mallet), peak)});
    // A held low tone sounds much louder than a struck note of the same peak.
    cues.push_back({"boo", detail::finish(detail::boo(), 0.5)});
    return cues;
}

}  // namespace tumblehand::cues
