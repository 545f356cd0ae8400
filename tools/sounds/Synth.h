// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's two sound cues, drawn from sums of decaying partials. Same input, same samples:
// the noise comes from a fixed seed, so a rebuild never changes the shipped files.

#include <vector>

namespace pistework::sounds {

inline constexpr int kSampleRate = 44100;
// Loud enough to hear over a game, with headroom so no player's mixer clips it.
inline constexpr double kPeakDbfs = -3.0;

// A bright bell-like ding for a hit that lands: about half a second.
std::vector<float> Ding(int sampleRate = kSampleRate);
// A metallic clash of blades for a parry: about a third of a second.
std::vector<float> Clash(int sampleRate = kSampleRate);

} // namespace pistework::sounds
