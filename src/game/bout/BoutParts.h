// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parts of a bout its ticks and its referee act on, as one plain value: the fencers, the
// computer's plans, the board, the lamps, the clock, the call and the bout's own timers. None
// holds a reference to another, so the whole bout copies, compares and hashes as a value.

#include "game/BoutView.h"
#include "game/bout/BoutClock.h"
#include "game/bout/Levels.h"
#include "game/bout/Opponent.h"
#include "game/bout/Schedule.h"
#include "game/bout/Scoreboard.h"
#include "game/piste/Fencer.h"
#include "game/piste/Geometry.h"

#include <variant>
#include <vector>

namespace pistework::game {

// What the bout takes from the options of whoever fences it.
struct BoutSettings {
    int target = 15;
    bool timed = true;
    // The computer fences the left side: not with two players, nor with a network peer there.
    bool computerLeft = true;
    // After a player's bout the demonstration comes back; a network bout's result stays.
    bool demonstrationAfter = true;
    // What the computer fences a player's bout at.
    Strength strength = kNovice.strength;
    bool operator==(const BoutSettings&) const = default;
};

// A bout began, a player's or a demonstration: whoever keeps bouts starts recording it.
struct BoutBegan {
    bool operator==(const BoutBegan&) const = default;
};
// What the bout tells its driver, in the order it happened.
using Happening = std::variant<BoutEvent, BoutBegan>;

struct BoutParts {
    PerSide<Fencer> fencers{Fencer(Side::Left, kEngardeLeftA), Fencer(Side::Right, kEngardeLeftB)};
    Side inFront = Side::Left;
    RefereeCall call;
    Opponent opponent;
    Scoreboard scores;
    Lamps lamps;
    BoutClock clock;
    Schedule timers;
    BoutSettings settings;
    // What happened since the driver last took it.
    std::vector<Happening> news;

    std::int64_t Now() const { return timers.Now(); }
    void Emit(const BoutEvent& event) { news.emplace_back(event); }
    bool operator==(const BoutParts&) const = default;
};

} // namespace pistework::game
