#pragma once
// A headless window with a game on it, and the hand-overs a fencer tick makes when it finds
// a hit or a pass, so the referee can be driven through exact phrases.

#include "game/Game.h"
#include "platform/headless/HeadlessForm.h"

#include <cstdint>
#include <string>

namespace pistework::table {

using game::kLeft;
using game::kRight;

struct BoutTable {
    explicit BoutTable(std::int64_t start = 0) : form(start), game(form.Controls()) {
        game.FormCreate();
    }

    std::int64_t Now() const { return form.scheduler.Now(); }
    std::string Call() const { return form.lblEngarde.Caption(); }

    // Runs until the referee lets the fencers go, which is the moment right after its
    // empty call; the fencers have not ticked yet.
    bool RunToFencing(std::int64_t limit = 60'000) {
        return form.scheduler.RunUntilTrue([this] { return form.TimerLeft.Enabled(); }, limit);
    }

    // New Game, then the salute and the referee's restart up to the fencers moving.
    void StartPlayersBout() {
        form.Menu("mnuFileNewGame").Click();
        RunToFencing();
    }

    // What the tick of `side` leaves when its lunge lands.
    void Hit(int side, bool offTarget = false, bool otherCountered = false) {
        auto& g = game;
        g.c.TimerLeft.SetEnabled(false);
        g.c.TimerRight.SetEnabled(false);
        g.presidentPhase = 4;
        g.offTarget = offTarget;
        g.callText = g.CallRowText(side == kLeft ? game::RowAttackLeft : game::RowAttackRight);
        if (otherCountered) {
            (side == kLeft ? g.counterB : g.counterA) = true;
            g.callText += game::kCarriageReturn;
            g.callText +=
                g.CallRowText(side == kLeft ? game::RowCounterRight : game::RowCounterLeft);
        }
        (side == kLeft ? g.hitByA : g.hitByB) = true;
        g.c.TimerLight.SetEnabled(true);
        g.c.TimerPresident.SetEnabled(true);
    }

    // What the passing check leaves; `offenceSide` is the fencer who ran past too soon,
    // or -1 for a plain pass.
    void Pass(int offenceSide = -1) {
        auto& g = game;
        g.presidentPhase = 4;
        g.callText = offenceSide < 0 ? g.CallRowText(game::RowPassed) : game::kCorpsACorps;
        if (offenceSide == kLeft) g.offenceA = true;
        if (offenceSide == kRight) g.offenceB = true;
        g.passed = true;
        g.hitByA = g.hitByB = false;
        g.c.TimerPresident.SetEnabled(true);
        g.c.TimerLeft.SetEnabled(false);
        g.c.TimerRight.SetEnabled(false);
        g.offTarget = g.counterA = g.counterB = false;
    }

    platform::headless::HeadlessForm form;
    game::Game game;
};

} // namespace pistework::table
