// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bout/BoutRules.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "game/piste/Geometry.h"

namespace pistework::game {

EngardePair EngardePositions(int leftA, int leftB, bool offTarget, bool passed, bool flecheA,
                             bool flecheB) {
    EngardePair p{leftA, leftB};
    if (offTarget) {
        p.leftA -= kOffTargetStep;
        p.leftB += kOffTargetStep;
    } else if (passed) {
        p.leftA -= kPassStep;
        p.leftB += kPassStep;
        // The runner carried the phrase into the other half: the pair moves on with it.
        if (flecheA) {
            p.leftA -= kRunnerShift;
            p.leftB -= kRunnerShift;
        }
        if (flecheB) {
            p.leftA += kRunnerShift;
            p.leftB += kRunnerShift;
        }
    } else {
        return {kEngardeLeftA, kEngardeLeftB};
    }
    // The left clamp puts B at 104, so the right clamp can never undo it.
    if (p.leftA < kLeftLimitA) p = {kLeftLimitA, kLeftLimitB};
    if (p.leftB > kRightLimitB) p = {kRightLimitA, kRightLimitB};
    return p;
}

int BoutLengthSeconds(int maxHits) {
    // A target stored by hand may be huge: the clock then reads as much as it can hold.
    const std::int64_t seconds = std::int64_t{maxHits} * 3 / 5 * 60;
    return static_cast<int>(std::min<std::int64_t>(seconds, std::numeric_limits<int>::max()));
}

std::string ClockCaption(int seconds) {
    // The game's clock never goes below zero; a damaged one reads as time up.
    seconds = std::max(seconds, 0);
    const int minutes = seconds / 60;
    const int rest = seconds % 60;
    return std::to_string(minutes) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

ClockStep CountDown(int seconds, bool timed) {
    int minutes = seconds / 60;
    int rest = seconds % 60;
    if (rest > 0) {
        --rest;
    } else if (minutes > 0) {
        --minutes;
        rest = 59;
    } else if (timed) {
        return {0, true};
    } else {
        minutes = 9;
    }
    return {minutes * 60 + rest, false};
}

} // namespace pistework::game
