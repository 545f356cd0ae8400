// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where two blades and two bodies meet: a parry catching the other blade, a point arriving on
// the other's target, and the two fencers passing each other. Pure rules over the records.

#include "game/piste/FencerState.h"
#include "game/piste/Side.h"

namespace pistework::game {

// The parrying fencer's hand, in a catching frame of its parry, level with the other's hand
// or up to the parry's reach beyond it, against an extended arm.
bool ParryCatches(const FencerState& parrier, Side parrierSide, const FencerState& other);

struct Arrival {
    bool hit = false;
    bool offTarget = false;
    // The point arrived into the other's lunge: an out-of-time counter-attack, not a hit.
    bool counter = false;
    // How far the point came past the front of the target, in pixels; short is below 0.
    int past = 0;
};

// What the attacker's point does on this tick, measured against the defender's target.
Arrival HitTest(const FencerState& attacker, Side attackerSide, const FencerState& defender);

// The left fencer's target is beyond the right fencer's: they have run past each other.
bool HavePassed(const FencerState& left, const FencerState& right);

} // namespace pistework::game
