// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every version of the replay file shares, and the reading of the version that keeps a
// bout's inputs.

#include "game/replay/Replay.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pistework::game {

// The tag of each entry of a version 3 stream: an order is its side and command in one byte;
// the other inputs, and the end, follow.
namespace entry {
inline constexpr int kCommands = static_cast<int>(FencerCommand::Fleche) + 1;
inline constexpr std::uint8_t kResume = 2 * kCommands;
inline constexpr std::uint8_t kSettings = kResume + 1;
inline constexpr std::uint8_t kClockLength = kResume + 2;
inline constexpr std::uint8_t kButtonsShown = kResume + 3;
inline constexpr std::uint8_t kWait = kResume + 4;
inline constexpr std::uint8_t kEnd = kResume + 5;
} // namespace entry

// Writes `file` whole: the header, `stream` and its check.
void Seal(std::vector<std::uint8_t>& file, std::uint8_t version,
          std::span<const std::uint8_t> stream, int target, bool timed, bool cut);

// Fences a version 3 stream again into `replay`, whose header fields are read already.
ReplayError Refence(std::span<const std::uint8_t> stream, Replay& replay);

} // namespace pistework::game
