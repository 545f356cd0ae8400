// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board under the piste: each fencer's hits and cards, and the scoring lamps above it.

#include "game/BoutView.h"
#include "game/piste/Fields.h"
#include "game/piste/Side.h"

namespace pistework::game {

enum class Card { Yellow, Red };

class Scoreboard {
public:
    // A new bout: no hits, no cards on show. A warning does not carry into the next bout.
    void Reset();
    int Hits(Side side) const { return hits[side]; }
    // Red cards of this bout; none until the fencer holds its yellow.
    int RedCards(Side side) const { return yellow[side] ? reds[side] : 0; }
    void AddHit(Side side);
    // The first card is a warning; every later one gives the opponent a hit.
    Card GiveCard(Side offender);
    bool Reached(int maxHits) const;
    // The cards on show: the red count only once the fencer holds its yellow.
    CardsView Cards(Side side) const { return {yellow[side], RedCards(side)}; }

    bool operator==(const Scoreboard&) const = default;
    template <typename Self, typename Visit> static void Fields(Self& self, Visit& v) {
        for (Side side : kSides)
            v.Add(In(self.hits[side], 0, kFarCount), self.yellow[side],
                  In(self.reds[side], 0, kFarCount));
    }

private:
    PerSide<int> hits{0, 0};
    PerSide<bool> yellow{false, false};
    PerSide<int> reds{0, 0};
};

// The two scoring lamps. After a hit they flash five times a second: the hitter's lamp (white
// when off target), and the other's with it when its counter-attack came out of time.
class Lamps {
public:
    void Off() { shown = {Lamp::Off, Lamp::Off}; }
    // One flash step. `hitter` is the fencer who hit.
    void Flash(Side hitter, bool offTarget, bool otherCountered);
    const PerSide<Lamp>& Shown() const { return shown; }

    bool operator==(const Lamps&) const = default;
    template <typename Self, typename Visit> static void Fields(Self& self, Visit& v) {
        v.Add(self.shown[Side::Left], self.shown[Side::Right], self.lit);
    }

private:
    PerSide<Lamp> shown{Lamp::Off, Lamp::Off};
    // Alternates on each step; carries over from hit to hit.
    bool lit = false;
};

} // namespace pistework::game
