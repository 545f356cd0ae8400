#include "game/BoutRules.h"
#include "game/Game.h"
#include "game/Geometry.h"

namespace pistework::game {

// Resets the scoreboard, cards and clock, picks the opponent's strength for this bout and
// starts the salute. The fencers' records, the lamps and the referee's flags wait for the
// first "Engarde".
void Game::StartNewBout() {
    clock.Start(BoutLengthSeconds(options.maxHits), options.timed);
    referee.StartBout();
    if (demoMode) {
        // Each side at the demonstration's strength (the Champion unless set otherwise); the
        // player's choice waits in the options.
        for (Side side : kSides)
            opponent.SetStrength(side, demoStrengths[side]);
        ShowCommandButtons(false);
        c.lblStart.SetVisible(true);
    } else {
        opponent.SetStrength(options.chosen);
        ShowCommandButtons(options.control == ControlMode::Mouse);
        c.lblStart.SetVisible(false);
    }
    timers.autoPlay.SetEnabled(false);
    for (Side side : kSides)
        FencerTimer(side).SetInterval(ComputerFences(side) ? opponent.InPlay(side).speed
                                                           : kPlayerSpeed);
    scores.Reset();
    saluteStep = 0;
    // No tick of the bout before may arrive after the reset.
    for (platform::Timer* t :
         {&timers.left, &timers.right, &timers.president, &timers.clock, &timers.light})
        t->SetEnabled(false);
    timers.salute.SetEnabled(true);
}

// Six steps of 300 ms, then the referee takes over. Negative steps are the pause between
// demonstration bouts, with the last result still on show.
void Game::SaluteStep() {
    ++saluteStep;
    if (saluteStep >= 0) {
        fencers[Side::Left].PlaceAt(kEngardeLeftA);
        fencers[Side::Right].PlaceAt(kEngardeLeftB);
    }
    auto show = [this](std::string_view baseName) {
        for (Side side : kSides)
            fencers[side].ShowPicture(baseName);
    };
    switch (saluteStep) {
    case 0:
        show(picture::kDefeat);
        StartNewBout();
        break;
    case 1:
    case 5:
        c.lblEngarde.SetCaption("");
        show(picture::kSalute[0]);
        break;
    case 2:
    case 4:
        show(picture::kSalute[1]);
        break;
    case 3:
        show(picture::kSalute[2]);
        break;
    case 6:
        show(picture::kEngarde);
        timers.president.SetEnabled(true);
        timers.salute.SetEnabled(false);
        break;
    default:
        break;
    }
}

void Game::StartDemonstration() {
    demoMode = true;
    StartNewBout();
}

void Game::ClockTick() {
    if (clock.Tick(options.timed)) referee.TimeOut();
}

void Game::EndBout() {
    const int hitsA = scores.Hits(Side::Left);
    const int hitsB = scores.Hits(Side::Right);
    fencers[Side::Left].ShowPicture(hitsA > hitsB ? picture::kVictory : picture::kDefeat);
    fencers[Side::Right].ShowPicture(hitsB > hitsA ? picture::kVictory : picture::kDefeat);

    if (demoMode) {
        // Ten silent salute ticks keep the result on show for three seconds.
        saluteStep = -10;
        timers.salute.SetEnabled(true);
        return;
    }
    timers.autoPlay.SetEnabled(true);

    // Custom opponents and two-player bouts keep no best results.
    if (!options.level || options.twoPlayer) return;
    if (hitsB > hitsA && offerBestResult) offerBestResult(options.level->number, hitsA, hitsB);
}

} // namespace pistework::game
