#include "game/BoutRules.h"
#include "game/Game.h"

#include <charconv>

namespace pistework::game {

namespace {

// The red-count captions only ever hold decimal numbers; anything else counts as none.
int CaptionNumber(const std::string& caption) {
    int value = 0;
    const auto [end, error] =
        std::from_chars(caption.data(), caption.data() + caption.size(), value);
    return error == std::errc{} && end == caption.data() + caption.size() ? value : 0;
}

// The ruling on the phrase just called; the first case that applies decides.
void GiveRuling(Game& g) {
    auto& c = g.c;
    // A card for running past the opponent too soon: the first is a warning, every later
    // one gives the opponent a hit.
    auto card = [&g, &c](bool& yellow, platform::Shape& yellowShape, platform::Shape& redShape,
                         platform::Label& redCount, int yellowRow, int redRow, int& opponentHits,
                         platform::Label& opponentScore) {
        if (!yellow) {
            c.lblEngarde.SetCaption(g.CallRowText(yellowRow));
            yellow = true;
            yellowShape.SetVisible(true);
            redCount.SetCaption("0");
            return;
        }
        c.lblEngarde.SetCaption(g.CallRowText(redRow));
        redShape.SetVisible(true);
        const int reds = CaptionNumber(redCount.Caption()) + 1;
        redCount.SetCaption(std::to_string(reds));
        // One red card is the bare card; the count shows from the second on.
        redCount.SetVisible(reds > 1);
        ++opponentHits;
        opponentScore.SetCaption(std::to_string(opponentHits));
        g.passed = false;
    };

    if (g.offenceA) {
        card(g.yellowA, c.shpYellow0, c.shpRed0, c.lblRedCount0, RowYellowLeft, RowRedLeft, g.hitsB,
             c.lblScore1);
    } else if (g.offenceB) {
        card(g.yellowB, c.shpYellow1, c.shpRed1, c.lblRedCount1, RowYellowRight, RowRedRight,
             g.hitsA, c.lblScore0);
    } else if (g.passed) {
        c.lblEngarde.SetCaption(g.CallRowText(RowReturnToEngarde));
    } else if (g.offTarget) {
        c.lblEngarde.SetCaption(g.CallRowText(RowOffTarget));
    } else {
        if (g.counterA || g.counterB)
            c.lblEngarde.SetCaption(g.CallRowText(RowAttackSuccessful) + kCarriageReturn +
                                    g.CallRowText(RowCounterOutOfTime));
        else
            c.lblEngarde.SetCaption(g.CallRowText(RowSuccessful));
        if (g.hitByA) {
            ++g.hitsA;
            c.lblScore0.SetCaption(std::to_string(g.hitsA));
        } else {
            ++g.hitsB;
            c.lblScore1.SetCaption(std::to_string(g.hitsB));
        }
    }
}

} // namespace

// One call a second: the restart (0 to 3), the stop, call and ruling of a phrase (4 to 6)
// and the end of the bout (7, 8). Whoever starts the referee sets the phase first.
void Game::TimerPresidentTimer() {
    switch (presidentPhase) {
    case 0:
        c.lblEngarde.SetCaption(CallRowText(RowEngarde));
        ReturnToEngarde();
        presidentPhase = 1;
        break;
    case 1:
        c.lblEngarde.SetCaption(CallRowText(RowReady));
        presidentPhase = 2;
        break;
    case 2:
        c.lblEngarde.SetCaption(CallRowText(RowFence));
        c.TimerClock.SetEnabled(true);
        presidentPhase = 3;
        break;
    case 3:
        c.lblEngarde.SetCaption("");
        // The referee never runs together with the fencers.
        c.TimerPresident.SetEnabled(false);
        c.TimerRight.SetEnabled(true);
        c.TimerLeft.SetEnabled(true);
        presidentPhase = 4;
        break;
    case 4:
    case 7:
        c.lblEngarde.SetCaption(CallRowText(RowHalt));
        c.TimerClock.SetEnabled(false);
        presidentPhase = presidentPhase == 4 ? 5 : 8;
        break;
    case 5:
        c.lblEngarde.SetCaption(callText);
        presidentPhase = 6;
        break;
    case 6:
        GiveRuling(*this);
        presidentPhase = hitsA < maxHits && hitsB < maxHits ? 0 : 8;
        break;
    case 8:
        c.lblEngarde.SetCaption(CallRowText(RowGameOver));
        c.TimerPresident.SetEnabled(false);
        presidentPhase = 0;
        EndBout();
        break;
    default:
        break;
    }
}

void Game::ReturnToEngarde() {
    const EngardePair to =
        EngardePositions(c.imgFencerA.Left(), c.imgFencerB.Left(), offTarget, passed,
                         fencer[kLeft].inFleche, fencer[kRight].inFleche);
    c.imgFencerA.SetLeft(to.leftA);
    c.imgFencerB.SetLeft(to.leftB);

    // offTarget stays: the next hit test clears it.
    passed = false;
    for (int side : {kLeft, kRight}) {
        FencerState& f = fencer[side];
        f.action = Stand;
        f.requestedAction = Stand;
        f.inLunge = false;
        f.armBent = false;
        f.inFleche = false;
        f.armExtended = false;
        f.frameIndex = 0;
        f.frameCount = 1;
        keepAdvancing[side] = false;
        attackPrepared[side] = false;
        preparedCount[side] = 0;
    }
    offenceA = offenceB = false;
    counterA = counterB = false;

    ShowFrame(kLeft);
    ShowFrame(kRight);
    UpdatePoints(kLeft);
    UpdatePoints(kRight);

    c.TimerLight.SetEnabled(false);
    hitByA = hitByB = false;
    c.imgLightA.LoadFromResourceName("LIGHTOFFA");
    c.imgLightB.LoadFromResourceName("LIGHTOFFB");
}

// Five flashes a second of the hitter's lamp: white when off target, and the other
// fencer's coloured lamp with it when its counter-attack came out of time.
void Game::TimerLightTimer() {
    if (lampPhase) {
        if (hitByA) {
            c.imgLightA.LoadFromResourceName(offTarget ? "WHITEONA" : "LIGHTONA");
            if (counterB) c.imgLightB.LoadFromResourceName("LIGHTONB");
        } else {
            c.imgLightB.LoadFromResourceName(offTarget ? "WHITEONB" : "LIGHTONB");
            if (counterA) c.imgLightA.LoadFromResourceName("LIGHTONA");
        }
    } else {
        c.imgLightA.LoadFromResourceName("LIGHTOFFA");
        c.imgLightB.LoadFromResourceName("LIGHTOFFB");
    }
    lampPhase = !lampPhase;
}

void Game::TimerClockTimer() {
    const ClockStep step = CountDown(boutClock, c.TimedBout.Checked());
    if (step.timeOut) {
        presidentPhase = 7;
        c.TimerClock.SetEnabled(false);
        c.TimerRight.SetEnabled(false);
        c.TimerLeft.SetEnabled(false);
        c.TimerPresident.SetEnabled(true);
    }
    boutClock = step.seconds;
    c.lblTime.SetCaption(ClockCaption(boutClock));
}

void Game::EndBout() {
    c.imgFencerA.LoadFromResourceName(hitsA > hitsB ? "VICTORYA" : "DEFEATA");
    c.imgFencerB.LoadFromResourceName(hitsB > hitsA ? "VICTORYB" : "DEFEATB");

    if (demoMode) {
        // Ten silent salute ticks keep the result on show for three seconds.
        saluteStep = -10;
        c.TimerSalute.SetEnabled(true);
        return;
    }
    c.TimerAutoPlay.SetEnabled(true);

    // Custom opponents and two-player bouts keep no best results.
    if (c.Custom1.Checked() || c.mnu2Player.Checked()) return;
    const int level = LevelNumber(opponentRange, opponentSpeed);
    if (hitsB > hitsA && offerBestResult) offerBestResult(level, hitsA, hitsB);
}

} // namespace pistework::game
