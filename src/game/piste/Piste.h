// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The piste picture: a slanted green strip with a yellow outline and five cross lines,
// on a white ground that is drawn transparent.

#include <array>
#include <cstdint>
#include <vector>

namespace pistework::game {

enum class PisteColour : std::uint8_t { White, Green, Yellow };

inline constexpr int kPisteWidth = 450;
inline constexpr int kPisteHeight = 20;
// Where the cross lines meet the strip's top edge; 228 is the centre line.
inline constexpr std::array<int, 5> kPisteCrossLines{28, 143, 228, 314, 428};

// Row-major, kPisteWidth x kPisteHeight.
std::vector<PisteColour> PistePixels();

} // namespace pistework::game
