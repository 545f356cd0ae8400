#include "game/Scoreboard.h"

#include "game/Actions.h"

#include <string>

namespace pistework::game {

void Scoreboard::Reset() {
    for (Side side : kSides) {
        controls[side].score.SetCaption("0");
        hits[side] = 0;
        yellow[side] = false;
    }
    for (Side side : kSides) {
        controls[side].yellowCard.SetVisible(false);
        controls[side].redCard.SetVisible(false);
    }
    for (Side side : kSides)
        controls[side].redCount.SetVisible(false);
}

void Scoreboard::AddHit(Side side) {
    ++hits[side];
    controls[side].score.SetCaption(std::to_string(hits[side]));
}

Card Scoreboard::GiveCard(Side offender) {
    ScoreControls& c = controls[offender];
    if (!yellow[offender]) {
        yellow[offender] = true;
        reds[offender] = 0;
        c.yellowCard.SetVisible(true);
        c.redCount.SetCaption("0");
        return Card::Yellow;
    }
    c.redCard.SetVisible(true);
    ++reds[offender];
    c.redCount.SetCaption(std::to_string(reds[offender]));
    // One red card is the bare card; the count shows from the second on.
    c.redCount.SetVisible(reds[offender] > 1);
    AddHit(Opposite(offender));
    return Card::Red;
}

bool Scoreboard::Reached(int maxHits) const {
    return hits[Side::Left] >= maxHits || hits[Side::Right] >= maxHits;
}

void Lamps::Off() {
    for (Side side : kSides)
        Show(side, picture::kLampOff);
}

void Lamps::Flash(Side hitter, bool offTarget, bool otherCountered) {
    if (lit) {
        Show(hitter, offTarget ? picture::kLampOffTarget : picture::kLampOn);
        if (otherCountered) Show(Opposite(hitter), picture::kLampOn);
    } else {
        Off();
    }
    lit = !lit;
}

void Lamps::Show(Side side, std::string_view baseName) {
    images[side]->LoadFromResourceName(ResourceName(baseName, side));
}

} // namespace pistework::game
