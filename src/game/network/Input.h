// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a player gives in a network bout, stamped with its bout time: all the frame codec and
// the window need of a bout's inputs, without the game behind them.

#include "game/piste/Fencer.h"
#include "game/piste/Side.h"

#include <cstdint>

namespace pistework::game {

// What a player gives in a network bout: one of the fencer's six commands, or what they want of
// the pause (a wish, not a toggle: both pausing at once leaves the bout paused). Sent as these
// numbers.
enum class Input : std::uint8_t {
    Advance = 0,
    Extend = 1,
    Lunge = 2,
    Retreat = 3,
    Parry = 4,
    Fleche = 5,
    Pause = 6,
    Resume = 7,
};
inline constexpr Input kLastInput = Input::Resume;
inline Input InputOf(FencerCommand command) {
    return static_cast<Input>(command);
}

struct StampedInput {
    std::int64_t ms = 0; // bout time since the agreed start
    Side side = Side::Left;
    Input input = Input::Advance;
    bool operator==(const StampedInput&) const = default;
};

} // namespace pistework::game
