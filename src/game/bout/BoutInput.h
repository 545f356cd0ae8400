// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What whoever drives a bout may do to it between its ticks. Each is given with the bout time
// it was given at, so a bout is fenced again from its start and these alone.

#include "game/bout/BoutParts.h"

#include <variant>

namespace pistework::game {

namespace input {
// A player's command to one side's fencer.
struct Order {
    Side side = Side::Left;
    FencerCommand command = FencerCommand::Advance;
    bool operator==(const Order&) const = default;
};
// After a hold: every running timer starts afresh.
struct Resume {
    bool operator==(const Resume&) const = default;
};
// The clock's length for the next bout, as switching "Timed" sets it.
struct ClockLength {
    int seconds = 0;
    bool operator==(const ClockLength&) const = default;
};
// The player chose a control: the command buttons may show through a demonstration.
struct ButtonsShown {
    bool operator==(const ButtonsShown&) const = default;
};
// Only the clock moves on: a tick that runs late runs at this time.
struct Wait {
    bool operator==(const Wait&) const = default;
};
} // namespace input

using BoutInput = std::variant<input::Order, input::Resume, BoutSettings, input::ClockLength,
                               input::ButtonsShown, input::Wait>;

} // namespace pistework::game
