// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How far apart the fencers stand, read from the pictures shown: where each picture's blade
// tip and target lie, as the hit test measures them in the frames that show it. A replay knows
// only the pictures, so this is how its watcher sees the distance.

#include "game/piste/FencerView.h"
#include "game/piste/Motion.h"
#include "game/piste/Side.h"

#include <optional>

namespace pistework::game {

// The point and the front of the target of a fencer's picture, in window pixels; none for a
// picture that no fencing frame shows (a salute, a victory).
struct PicturePoints {
    int tip = 0;
    int body = 0;
};
std::optional<PicturePoints> PointsOf(const FencerView& fencer, Side side);

// The gap between the two blade tips: the right tip's x less the left tip's, below zero once
// the blades cross, as they do within a lunge's reach.
std::optional<int> TipGap(const PerSide<FencerView>& fencers);

// A fencer in a lunge or a flèche, and how far its point still is from the other's target:
// above zero it is short, from 0 down to -10 it is on the target.
struct Reach {
    Side attacker = Side::Left;
    int tip = 0;
    int target = 0;
    int pointToTarget = 0;
};
std::optional<Reach> AttackReach(const PerSide<FencerView>& fencers, Side inFront);

} // namespace pistework::game
