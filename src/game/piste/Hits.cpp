// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/piste/Hits.h"

#include "game/piste/Geometry.h"

namespace pistework::game {

using enum Action;

bool ParryCatches(const FencerState& parrier, Side parrierSide, const FencerState& other) {
    if (!ParryWindow(parrier.action, parrier.frameIndex) || !other.armExtended) return false;
    const int reach = (parrier.guardX - other.guardX) * Forward(parrierSide);
    return reach >= 0 && reach <= kParryReachUnits * kPointUnit;
}

Arrival HitTest(const FencerState& attacker, Side attackerSide, const FencerState& defender) {
    const int past = (attacker.tipX - defender.bodyX) * Forward(attackerSide);
    const bool arrived = attacker.frameIndex == attacker.frameCount;
    Arrival result;
    result.past = past;
    if (IsLungeArrival(attacker.action) && arrived && past % kPointUnit == 0) {
        const int units = past / kPointUnit;
        result.hit = (units >= kHitUnitsMin && units <= kHitUnitsMax) || units == kOffTargetUnits;
        result.offTarget = units == kOffTargetUnits;
        if (result.hit && defender.action == Lunge) {
            result.counter = true;
            result.hit = false;
        }
        return result;
    }
    result.hit = IsFlecheArrival(attacker.action) && arrived && !defender.armBent && past == 0;
    return result;
}

bool HavePassed(const FencerState& left, const FencerState& right) {
    return right.bodyX + kPassingUnits * kPointUnit < left.bodyX;
}

} // namespace pistework::game
