// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game keeps between runs: eight values in the settings store, beside the best
// results, and the sound files, taken afresh at every start from the player's own settings.

#include "game/player/Options.h"
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

// What the store holds, value by value in the order WriteSettings writes them: a value that is
// absent or of the wrong kind counts as what `read` (the options read from it) would store.
platform::Store::Values SettingsHeld(const platform::Store& store, const BoutOptions& read);

// Stores the options in their fixed order, with the strength the player chose rather than the
// one in play: only those that differ from what the store `held` at the start, so another
// window's changes to the rest stay, and a value the game read otherwise than it was stored
// ("Control" = 2 reads as neither mode) is written as the game reads it; all of them without
// `held`. False when the store did not take them; the old values then stay whole.
bool WriteSettings(platform::Store& store, const BoutOptions& options,
                   const std::optional<platform::Store::Values>& held = std::nullopt);

} // namespace pistework::game
