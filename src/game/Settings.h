// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game keeps between runs: nine values in the settings store, beside the best
// results, and the sound files, taken afresh at every start from the player's own settings.

#include "game/Options.h"
#include "platform/Platform.h"

#include <optional>

namespace pistework::game {

// The player's own sound for the hit; the parry's sound is "start.wav" beside it.
inline constexpr const char* kBeepSoundName = "BeepSound";

// The options a start begins with. A value that is absent, of the wrong kind, or that would
// end or freeze play (a target of no hits, an opponent timer of no time) keeps its default;
// any other value is taken as stored. The strength read is the one chosen; the level is the
// graded one fenced at exactly that strength, or none ("Custom").
BoutOptions ReadSettings(const platform::Store& store);

// Stores the options in their fixed order, with the strength the player chose rather than the
// one in play: only those whose stored value differs from what `read` (the options a start
// read) would store, so another window's changes to the rest stay; all of them without
// `read`. False when the store did not take them; the old values then stay whole.
bool WriteSettings(platform::Store& store, const BoutOptions& options,
                   const std::optional<BoutOptions>& read = std::nullopt);

} // namespace pistework::game
