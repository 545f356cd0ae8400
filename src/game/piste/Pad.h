// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game pad's state and the fencer's commands it gives: the stick or the d-pad toward the
// opponent advances, away retreats, and one face button each extends, lunges, parries and
// runs a flèche. A command fires once when it is pressed, not again while it is held.

#include "game/piste/Fencer.h"
#include "game/piste/Side.h"

#include <array>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace pistework::game {

// The four face buttons by where they sit, as SDL's game controllers name them A, B, X, Y.
enum class PadButton : unsigned char { South, East, West, North };

struct PadState {
    // The left stick, from -32768 to 32767; +x is right, +y is down.
    int stickX = 0;
    int stickY = 0;
    bool dpadLeft = false;
    bool dpadRight = false;
    std::array<bool, 4> buttons{}; // indexed by PadButton
    friend bool operator==(const PadState&, const PadState&) = default;
};

// The thumb under A lunges, the one beside it parries; the far buttons extend and run.
inline constexpr std::array<std::pair<PadButton, FencerCommand>, 4> kPadButtons{{
    {PadButton::South, FencerCommand::Lunge},
    {PadButton::East, FencerCommand::Parry},
    {PadButton::West, FencerCommand::Extend},
    {PadButton::North, FencerCommand::Fleche},
}};

// A stick nearer the middle than this is resting: worn sticks rarely come back to zero.
inline constexpr int kStickDeadZone = 12000;

// Where the pad points across the window: -1 left, +1 right, 0 nowhere. The stick counts only
// beyond the dead zone and more sideways than up or down; the d-pad counts when one side is
// held alone.
int PadPointing(const PadState& state);

// The commands a change of the pad gives the fencer on `side`, in the order the pad's parts
// are read: the stepping first, then the buttons.
std::vector<FencerCommand> PadCommands(const PadState& before, const PadState& now, Side side);

// The fencer the pad attached `order`th (from 0) drives: the first always the right player,
// the second the left one in a two-player bout; the others nobody.
std::optional<Side> PadDrives(std::size_t order, bool twoPlayers);

} // namespace pistework::game
