// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The geometry of a fencer on the piste: where body, sword hand and point lie in each frame,
// how far steps and flèches carry, and the posture an action leaves when it has played out.

#include "game/piste/Actions.h"

#include <optional>

namespace pistework::game {

// How far point, hand and body stand forward of the engarde picture, in point units.
struct PointOffset {
    int tip = 0;
    int guard = 0;
    int body = 0;
    friend bool operator==(const PointOffset&, const PointOffset&) = default;
};

PointOffset PointOffsets(Action action, int frameIndex, bool inLunge);

// How far the frame about to be shown moves the picture: a retreat steps back as it begins, a
// forward recovery brings the rear foot up on each frame after its first.
int FrameMove(Action action, int frameIndex, Side side);

struct Posture {
    bool inLunge = false;
    bool armBent = false;
    bool inFleche = false;
    bool armExtended = false;
};

// The posture a finished action leaves; none for the actions that leave it as it was.
std::optional<Posture> EndPosture(Action action);

} // namespace pistework::game
