// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 16-bit PCM mono WAV files: written by soundgen, read back by the tests that check what the
// program ships. Plain C++, no Qt, so the generator stays free of the toolkit.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace pistework::sounds {

// Samples in [-1, 1] as a canonical 44-byte-header WAV file. Values beyond full scale are
// clamped, never wrapped.
std::vector<std::uint8_t> EncodeWav(const std::vector<float>& samples, int sampleRate);

struct WavInfo {
    int format = 0; // 1 is integer PCM
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::int64_t frames = 0;
    // Largest magnitude of a 16-bit sample, 0 for other sample sizes.
    int peak = 0;

    double Seconds() const { return sampleRate > 0 ? double(frames) / sampleRate : 0.0; }
    // The peak relative to full scale (32768), in dB; minus infinity for silence.
    double PeakDbfs() const;
};

// Reads the "fmt " and "data" chunks of a RIFF/WAVE file, skipping any others. Nothing for a
// file that is not one, or whose chunks run past its end.
std::optional<WavInfo> ParseWav(std::string_view bytes);

} // namespace pistework::sounds
