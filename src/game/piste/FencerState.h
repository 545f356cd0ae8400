// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the game knows about one fencer between two ticks.

#include "game/piste/Actions.h"

namespace pistework::game {

struct FencerState {
    Action action = Action::Stand; // the action being played
    Action requestedAction =
        Action::Stand;    // the player's pending command, taken up at sequence end
    bool inLunge = false; // held in a lunge until a recovery
    bool armBent = false; // with inLunge: the bent-arm lunge
    bool inFleche = false;
    bool armExtended = false;
    int frameIndex = 0; // index of the next frame to show
    int frameCount = 0; // frames of the running sequence
    int bodyX = 0;      // window x of the target
    int guardX = 0;     // window x of the sword hand
    int tipX = 0;       // window x of the point
    bool operator==(const FencerState&) const = default;
};

} // namespace pistework::game
