// SPDX-License-Identifier: GPL-3.0-or-later
#include "Wav.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace pistework::sounds {

namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

void PutTag(std::vector<std::uint8_t>& out, std::string_view tag) {
    out.insert(out.end(), tag.begin(), tag.end());
}

std::uint32_t U16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint8_t>(bytes[at]) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + 1])) << 8;
}

std::uint32_t U32(std::string_view bytes, std::size_t at) {
    return U16(bytes, at) | U16(bytes, at + 2) << 16;
}

int PeakOf16BitSamples(std::string_view data) {
    int peak = 0;
    for (std::size_t at = 0; at + 1 < data.size(); at += 2) {
        const auto sample = static_cast<std::int16_t>(U16(data, at));
        peak = std::max(peak, std::abs(int(sample)));
    }
    return peak;
}

} // namespace

std::vector<std::uint8_t> EncodeWav(const std::vector<float>& samples, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    PutU32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutU32(out, 16);
    PutU16(out, 1); // integer PCM
    PutU16(out, 1); // mono
    PutU32(out, static_cast<std::uint32_t>(sampleRate));
    PutU32(out, static_cast<std::uint32_t>(sampleRate) * 2); // bytes per second
    PutU16(out, 2);                                          // bytes per frame
    PutU16(out, 16);
    PutTag(out, "data");
    PutU32(out, dataBytes);
    for (const float sample : samples) {
        const float clamped = std::clamp(sample, -1.0f, 1.0f);
        const auto value = static_cast<std::int16_t>(std::lround(clamped * 32767.0f));
        PutU16(out, static_cast<std::uint16_t>(value));
    }
    return out;
}

double WavInfo::PeakDbfs() const {
    if (peak <= 0) return -std::numeric_limits<double>::infinity();
    return 20.0 * std::log10(peak / 32768.0);
}

std::optional<WavInfo> ParseWav(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return std::nullopt;
    WavInfo info;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string_view tag = bytes.substr(at, 4);
        const std::size_t size = U32(bytes, at + 4);
        const std::size_t body = at + 8;
        if (size > bytes.size() - body) return std::nullopt;
        if (tag == "fmt ") {
            if (size < 16) return std::nullopt;
            info.format = int(U16(bytes, body));
            info.channels = int(U16(bytes, body + 2));
            info.sampleRate = int(U32(bytes, body + 4));
            info.bitsPerSample = int(U16(bytes, body + 14));
            haveFormat = true;
        } else if (tag == "data") {
            const int frameBytes = info.channels * info.bitsPerSample / 8;
            if (!haveFormat || frameBytes <= 0) return std::nullopt;
            info.frames = std::int64_t(size) / frameBytes;
            if (info.bitsPerSample == 16) info.peak = PeakOf16BitSamples(bytes.substr(body, size));
            return info;
        }
        // Chunks are padded to an even length.
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

} // namespace pistework::sounds
