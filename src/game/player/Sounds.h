// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files of the two sound cues. The game ships its own, embedded in the program; a player
// who points the hit at a file of their own gets the parry from "start.wav" beside it.

#include <string>

namespace pistework::game {

inline constexpr const char* kDefaultHitSound = ":/sounds/ding.wav";
inline constexpr const char* kDefaultParrySound = ":/sounds/start.wav";

// "start.wav" in the folder of `hitSound`, the folder being everything up to and including
// its last "/"; just "start.wav" when there is no folder.
std::string ParrySoundBeside(const std::string& hitSound);

} // namespace pistework::game
