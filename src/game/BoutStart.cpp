#include "game/BoutRules.h"
#include "game/Game.h"
#include "platform/Layout.h"

namespace pistework::game {

// Resets the scoreboard, cards and clock, picks the opponent's values for this bout and
// starts the salute. The fencers' records, the lamps and the referee's flags wait for the
// first "Engarde".
void Game::StartNewBout() {
    boutClock = BoutLengthSeconds(maxHits);
    lastPassA = boutClock;
    lastPassB = boutClock;
    yellowA = false;
    yellowB = false;
    if (demoMode) {
        // A demonstration always shows the Champion; the player's level waits in chosen*.
        opponentSpeed = 80;
        opponentRange = 8;
        ShowCommandButtons(false);
        c.lblStart.SetVisible(true);
    } else {
        opponentRange = chosenRange;
        opponentSpeed = chosenSpeed;
        ShowCommandButtons(c.mnuMouse.Checked());
        c.lblStart.SetVisible(false);
    }
    c.TimerAutoPlay.SetEnabled(false);
    c.TimerLeft.SetInterval(c.mnu2Player.Checked() ? 100 : opponentSpeed);
    presidentPhase = 0;
    c.lblScore0.SetCaption("0");
    c.lblScore1.SetCaption("0");
    for (platform::Shape* s : {&c.shpYellow0, &c.shpRed0, &c.shpYellow1, &c.shpRed1})
        s->SetVisible(false);
    c.lblRedCount0.SetVisible(false);
    c.lblRedCount1.SetVisible(false);
    hitsA = 0;
    hitsB = 0;
    saluteStep = 0;
    // No tick of the bout before may arrive after the reset.
    for (platform::Timer* t :
         {&c.TimerLeft, &c.TimerRight, &c.TimerPresident, &c.TimerClock, &c.TimerLight})
        t->SetEnabled(false);
    c.TimerSalute.SetEnabled(true);
    c.lblTime.SetCaption(ClockCaption(boutClock));
    c.lblTime.SetVisible(c.TimedBout.Checked());
}

// Six steps of 300 ms, then the referee takes over. Negative steps are the pause between
// demonstration bouts, with the last result still on show.
void Game::TimerSaluteTimer() {
    ++saluteStep;
    if (saluteStep >= 0) {
        c.imgFencerA.SetLeft(platform::layout::kFencerALeft);
        c.imgFencerB.SetLeft(platform::layout::kFencerBLeft);
    }
    auto show = [this](const char* baseName) {
        c.imgFencerA.LoadFromResourceName(std::string(baseName) + "A");
        c.imgFencerB.LoadFromResourceName(std::string(baseName) + "B");
    };
    switch (saluteStep) {
    case 0:
        show("DEFEAT");
        StartNewBout();
        break;
    case 1:
    case 5:
        c.lblEngarde.SetCaption("");
        show("SALUTE1");
        break;
    case 2:
    case 4:
        show("SALUTE2");
        break;
    case 3:
        show("SALUTE3");
        break;
    case 6:
        show("ENGARDE");
        c.TimerPresident.SetEnabled(true);
        c.TimerSalute.SetEnabled(false);
        break;
    default:
        break;
    }
}

void Game::TimerAutoPlayTimer() {
    demoMode = true;
    StartNewBout();
}

} // namespace pistework::game
