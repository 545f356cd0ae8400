// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every version of the replay file shares, and the reading of the version that keeps a
// bout's inputs.

#include "game/replay/Replay.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pistework::game {

// Writes `file` whole: the header, `stream` and its check.
void Seal(std::vector<std::uint8_t>& file, std::uint8_t version,
          std::span<const std::uint8_t> stream, int target, bool timed, bool cut);

// Fences a version 3 stream again into `replay`, whose header fields are read already.
ReplayError Refence(std::span<const std::uint8_t> stream, Replay& replay);

} // namespace pistework::game
