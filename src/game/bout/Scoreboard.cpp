// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bout/Scoreboard.h"

namespace pistework::game {

void Scoreboard::Reset() {
    for (Side side : kSides) {
        hits[side] = 0;
        yellow[side] = false;
    }
}

void Scoreboard::AddHit(Side side) {
    ++hits[side];
}

Card Scoreboard::GiveCard(Side offender) {
    if (!yellow[offender]) {
        yellow[offender] = true;
        reds[offender] = 0;
        return Card::Yellow;
    }
    ++reds[offender];
    AddHit(Opposite(offender));
    return Card::Red;
}

bool Scoreboard::Reached(int maxHits) const {
    return hits[Side::Left] >= maxHits || hits[Side::Right] >= maxHits;
}

void Lamps::Flash(Side hitter, bool offTarget, bool otherCountered) {
    if (lit) {
        shown[hitter] = offTarget ? Lamp::OffTarget : Lamp::On;
        if (otherCountered) shown[Opposite(hitter)] = Lamp::On;
    } else {
        Off();
    }
    lit = !lit;
}

} // namespace pistework::game
