// SPDX-License-Identifier: GPL-3.0-or-later
#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace pistework::sounds {

namespace {

struct Partial {
    double hertz;
    double amplitude;
    double decaySeconds; // time to fall to 1/e
    double phase;        // radians at the onset
};

// xorshift32: our own generator, so the noise is the same with every standard library.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state(seed) {}
    double Next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return double(state) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state;
};

std::vector<float> Partials(const std::vector<Partial>& partials, double seconds, int sampleRate) {
    const auto count = static_cast<std::size_t>(std::lround(seconds * sampleRate));
    std::vector<float> out(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / sampleRate;
        double sum = 0.0;
        for (const Partial& p : partials)
            sum += p.amplitude * std::exp(-t / p.decaySeconds) *
                   std::sin(2.0 * std::numbers::pi * p.hertz * t + p.phase);
        out[i] = static_cast<float>(sum);
    }
    return out;
}

// Raised-cosine ramps: a hard edge at either end would click.
void Envelope(std::vector<float>& samples, double attackSeconds, double fadeSeconds,
              int sampleRate) {
    const auto ramp = [&](std::size_t i, std::size_t length) {
        return 0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / double(length));
    };
    const auto attack = std::min(samples.size(), std::size_t(attackSeconds * sampleRate) + 1);
    for (std::size_t i = 0; i < attack; ++i)
        samples[i] = static_cast<float>(samples[i] * ramp(i, attack));
    const auto fade = std::min(samples.size(), std::size_t(fadeSeconds * sampleRate) + 1);
    for (std::size_t i = 0; i < fade; ++i) {
        float& s = samples[samples.size() - 1 - i];
        s = static_cast<float>(s * ramp(i, fade));
    }
}

void NormaliseTo(std::vector<float>& samples, double peakDbfs) {
    float peak = 0.0f;
    for (const float s : samples)
        peak = std::max(peak, std::abs(s));
    if (peak == 0.0f) return;
    const auto gain = static_cast<float>(std::pow(10.0, peakDbfs / 20.0) / peak);
    for (float& s : samples)
        s *= gain;
}

} // namespace

std::vector<float> Ding(int sampleRate) {
    // A struck bell near 1.5 kHz: the octave and the bell's sharp tenth die first, and a
    // slightly detuned twin of the strike note gives the ring its shimmer.
    std::vector<float> out = Partials(
        {
            {1480.0, 1.00, 0.150, 0.0},
            {1486.0, 0.30, 0.180, 0.0},
            {2960.0, 0.45, 0.080, 0.0},
            {3700.0, 0.20, 0.045, 0.0},
        },
        0.5, sampleRate);
    Envelope(out, 0.002, 0.020, sampleRate);
    NormaliseTo(out, kPeakDbfs);
    return out;
}

std::vector<float> Clash(int sampleRate) {
    // Steel on steel: high partials at no common ratio, so no pitch is heard, over a burst
    // of scrape noise that is gone in a few hundredths of a second.
    std::vector<float> out = Partials(
        {
            {2390.0, 0.60, 0.090, 0.3},
            {3170.0, 0.80, 0.070, 1.9},
            {4410.0, 0.55, 0.055, 4.1},
            {5830.0, 0.40, 0.040, 2.6},
            {7260.0, 0.30, 0.030, 5.2},
        },
        0.32, sampleRate);
    Noise noise(0x5EED1234u);
    double previous = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / sampleRate;
        // The difference of white noise leans towards the treble, like a blade's scrape.
        const double white = noise.Next();
        const double bright = white - previous;
        previous = white;
        out[i] += static_cast<float>(0.45 * bright * std::exp(-t / 0.012));
    }
    Envelope(out, 0.0005, 0.015, sampleRate);
    NormaliseTo(out, kPeakDbfs);
    return out;
}

} // namespace pistework::sounds
