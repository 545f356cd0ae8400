#include "game/Game.h"

namespace pistework::game {

namespace {

// The hidden bout clock of an untimed bout wraps from 0:00 to 9:00 in one tick.
constexpr int kClockWrapSeconds = 9 * 60 + 1;

// One tick of side a; the two timer handlers differ only where the side decides.
void FencerTick(Game& g, int a) {
    const int d = 1 - a;
    FencerState& f = g.fencer[a];
    platform::FormControls& c = g.c;
    const bool twoPlayer = c.mnu2Player.Checked();

    g.FencerTimer(a).SetEnabled(false);
    if (c.mnuKeyboard.Checked()) c.txtKeyboard.SetFocus();

    if (g.ParryCatches(d)) {
        const int before = f.action;
        f.action = static_cast<std::uint8_t>(parriedVariant(before));
        if (f.action != before) g.PlaySoundCue(2);
        f.frameCount = sequenceLength(f.action);
    }

    if (g.HitTest(a)) {
        g.EndSequence(a);
        g.FencerImage(a).BringToFront();
        c.TimerLeft.SetEnabled(false);
        c.TimerRight.SetEnabled(false);
        g.presidentPhase = 4;
        if (a == kLeft) {
            g.callText = g.CallRowText(RowAttackLeft);
            if (g.counterB) g.callText += kCarriageReturn + g.CallRowText(RowCounterRight);
            g.hitByA = true;
            c.TimerLight.SetEnabled(true);
            g.PlaySoundCue(1);
            c.TimerPresident.SetEnabled(true);
        } else {
            g.callText = g.CallRowText(RowAttackRight);
            if (g.counterA) g.callText += kCarriageReturn + g.CallRowText(RowCounterLeft);
            g.hitByB = true;
            c.TimerPresident.SetEnabled(true);
            c.TimerLight.SetEnabled(true);
            g.PlaySoundCue(1);
        }
        return;
    }

    const bool computer = a == kLeft ? !twoPlayer : g.demoMode;
    if (g.EndSequence(a)) {
        if (computer)
            g.ChooseOpponentAction(a);
        else
            g.ChoosePlayerAction(a);
        f.frameCount = sequenceLength(f.action);
    }

    // A replaced action keeps the running frameCount: it ends when the one it replaced would.
    if (computer) {
        if (!g.ParryReaction(a)) {
            f.action = static_cast<std::uint8_t>(g.ArmAndStepVariation(a));
            f.action = static_cast<std::uint8_t>(armVariant(f.action, f.armExtended));
        }
    } else if (a == kRight) {
        f.action = static_cast<std::uint8_t>(armVariant(f.action, f.armExtended));
    }

    g.UpdatePoints(a);
    g.ShowFrame(a);

    if (a == kLeft && g.fencer[kRight].bodyX + 10 < g.fencer[kLeft].bodyX) {
        g.PassingRuling();
        return;
    }
    g.FencerTimer(a).SetEnabled(true);
}

} // namespace

void Game::TimerLeftTimer() { FencerTick(*this, kLeft); }

void Game::TimerRightTimer() { FencerTick(*this, kRight); }

bool Game::ParryCatches(int p) {
    const FencerState& parrier = fencer[p];
    const FencerState& other = fencer[1 - p];
    if (!parryWindow(parrier.action, parrier.frameIndex) || !other.armExtended) return false;
    // The parrying hand level with the other, or up to 30 px beyond it, in its own forward.
    const int reach = p == kLeft ? parrier.guardX - other.guardX : other.guardX - parrier.guardX;
    return reach >= 0 && reach <= 30;
}

bool Game::HitTest(int a) {
    const FencerState& fa = fencer[a];
    const FencerState& fd = fencer[1 - a];
    const int diff = fa.tipX - fd.bodyX;
    const int f = a == kLeft ? diff : -diff;
    bool& counter = a == kLeft ? counterA : counterB;
    counter = false;
    offTarget = false;

    const bool arrived = fa.frameIndex == fa.frameCount;
    if ((fa.action == Lunge || fa.action == ExtendInLunge) && arrived) {
        bool hit = false;
        if (f == 0 || f == 5 || f == 10) {
            hit = true;
        } else if (f == -5) {
            hit = true;
            offTarget = true;
        }
        // Arriving into the other's lunge is an out-of-time counter-attack, not a hit.
        if (hit && fd.action == Lunge) {
            counter = true;
            return false;
        }
        return hit;
    }
    if ((fa.action == Fleche || fa.action == FlecheRun) && arrived && !fd.armBent && f == 0)
        return true;
    return false;
}

void Game::PassingRuling() {
    ReseedRandom();
    const int w = RandomBelow(10) + 5;
    presidentPhase = 4;
    callText = CallRowText(RowPassed);

    // Running past the opponent again too soon after one's own last pass is an offence.
    auto tooSoon = [&](int& lastPass) {
        int elapsed = lastPass - boutClock;
        // A later reading above an earlier one means the clock has wrapped or been reset in
        // between, so the last pass lies further back than the readings alone say.
        if (elapsed < 0) elapsed += kClockWrapSeconds;
        lastPass = boutClock;
        return w > elapsed;
    };
    if (fencer[kLeft].inFleche && !fencer[kRight].inFleche && tooSoon(lastPassA)) {
        callText = kCorpsACorps;
        offenceA = true;
    }
    if (fencer[kRight].inFleche && !fencer[kLeft].inFleche && tooSoon(lastPassB)) {
        callText = kCorpsACorps;
        offenceB = true;
    }

    passed = true;
    hitByA = false;
    hitByB = false;
    c.TimerPresident.SetEnabled(true);
    c.TimerLeft.SetEnabled(false);
    c.TimerRight.SetEnabled(false);
    offTarget = false;
    counterA = false;
    counterB = false;
}

} // namespace pistework::game
