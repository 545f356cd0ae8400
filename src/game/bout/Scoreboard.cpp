// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bout/Scoreboard.h"

namespace pistework::game {

void Scoreboard::Reset() {
    for (Side side : kSides) {
        hits[side] = 0;
        yellow[side] = false;
        view.scores[side] = 0;
        view.cards[side] = {};
    }
}

void Scoreboard::AddHit(Side side) {
    view.scores[side] = ++hits[side];
}

Card Scoreboard::GiveCard(Side offender) {
    if (!yellow[offender]) {
        yellow[offender] = true;
        reds[offender] = 0;
        view.cards[offender] = {.yellow = true, .reds = 0};
        return Card::Yellow;
    }
    view.cards[offender].reds = ++reds[offender];
    AddHit(Opposite(offender));
    return Card::Red;
}

bool Scoreboard::Reached(int maxHits) const {
    return hits[Side::Left] >= maxHits || hits[Side::Right] >= maxHits;
}

void Lamps::Off() {
    view.lamps = {Lamp::Off, Lamp::Off};
}

void Lamps::Flash(Side hitter, bool offTarget, bool otherCountered) {
    if (lit) {
        view.lamps[hitter] = offTarget ? Lamp::OffTarget : Lamp::On;
        if (otherCountered) view.lamps[Opposite(hitter)] = Lamp::On;
    } else {
        Off();
    }
    lit = !lit;
}

} // namespace pistework::game
