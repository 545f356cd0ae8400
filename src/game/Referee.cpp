#include "game/Referee.h"

#include "game/BoutRules.h"

namespace pistework::game {

Referee::Referee(platform::Label& caption, RefereeTimers timers, PerSide<Fencer>& fencers,
                 Opponent& opponent, Scoreboard& scores, Lamps& lamps, BoutClock& clock,
                 const BoutOptions& options)
    : caption(caption), timers(timers), fencers(fencers), opponent(opponent), scores(scores),
      lamps(lamps), clock(clock), options(options) {}

void Referee::StartBout() {
    phase = Phase::Engarde;
    lastPass = {0, 0};
}

void Referee::StopFencers() {
    timers.fencers[Side::Left]->SetEnabled(false);
    timers.fencers[Side::Right]->SetEnabled(false);
}

// Whoever starts the referee sets the phase first.
void Referee::Tick() {
    switch (phase) {
    case Phase::Engarde:
        Say(Call::Engarde);
        ReturnToEngarde();
        phase = Phase::Ready;
        break;
    case Phase::Ready:
        Say(Call::Ready);
        phase = Phase::Fence;
        break;
    case Phase::Fence:
        Say(Call::Fence);
        timers.clock.SetEnabled(true);
        phase = Phase::LetGo;
        break;
    case Phase::LetGo:
        caption.SetCaption("");
        // The referee never runs together with the fencers; the right fencer starts first.
        timers.president.SetEnabled(false);
        timers.fencers[Side::Right]->SetEnabled(true);
        timers.fencers[Side::Left]->SetEnabled(true);
        phase = Phase::Halt;
        break;
    case Phase::Halt:
    case Phase::TimeOutHalt:
        Say(Call::Halt);
        timers.clock.SetEnabled(false);
        phase = phase == Phase::Halt ? Phase::Announce : Phase::GameOver;
        break;
    case Phase::Announce:
        caption.SetCaption(pendingCall);
        phase = Phase::Rule;
        break;
    case Phase::Rule:
        GiveRuling();
        phase = scores.Reached(options.maxHits) ? Phase::GameOver : Phase::Engarde;
        break;
    case Phase::GameOver:
        Say(Call::GameOver);
        timers.president.SetEnabled(false);
        phase = Phase::Engarde;
        if (onGameOver) onGameOver();
        break;
    }
}

// The first case that applies decides.
void Referee::GiveRuling() {
    if (outcome.offence[Side::Left]) {
        GiveCard(Side::Left);
    } else if (outcome.offence[Side::Right]) {
        GiveCard(Side::Right);
    } else if (outcome.passed) {
        Say(Call::ReturnToEngarde);
    } else if (outcome.offTarget) {
        Say(Call::OffTarget);
    } else {
        if (outcome.counter[Side::Left] || outcome.counter[Side::Right])
            caption.SetCaption(TwoLines(Call::AttackSuccessful, Call::CounterOutOfTime));
        else
            Say(Call::Successful);
        scores.AddHit(outcome.hitBy.value_or(Side::Right));
    }
}

void Referee::GiveCard(Side offender) {
    const bool left = offender == Side::Left;
    if (scores.GiveCard(offender) == Card::Yellow) {
        Say(left ? Call::YellowLeft : Call::YellowRight);
        return;
    }
    Say(left ? Call::RedLeft : Call::RedRight);
    outcome.passed = false;
}

void Referee::FlashLamps() {
    const Side hitter = outcome.hitBy.value_or(Side::Right);
    lamps.Flash(hitter, outcome.offTarget, outcome.counter[Opposite(hitter)]);
}

void Referee::NoteArrival(Side attacker, const Arrival& arrival) {
    outcome.counter[attacker] = arrival.counter;
    outcome.offTarget = arrival.offTarget;
}

void Referee::CallHit(Side hitter) {
    StopFencers();
    phase = Phase::Halt;
    const bool left = hitter == Side::Left;
    pendingCall = CallText(left ? Call::AttackLeft : Call::AttackRight);
    if (outcome.counter[Opposite(hitter)])
        pendingCall = TwoLines(left ? Call::AttackLeft : Call::AttackRight,
                               left ? Call::CounterRight : Call::CounterLeft);
    outcome.hitBy = hitter;
    // At the tenth flash the lamps and the referee fall due together; the one started first
    // ticks first, and each side has always started them in its own order.
    if (left) {
        timers.light.SetEnabled(true);
        timers.president.SetEnabled(true);
    } else {
        timers.president.SetEnabled(true);
        timers.light.SetEnabled(true);
    }
}

void Referee::CallPass(int window) {
    phase = Phase::Halt;
    pendingCall = CallText(Call::Passed);
    // Running past the opponent again too soon after one's own last pass is an offence.
    const int now = clock.SecondsFenced();
    auto tooSoon = [&](Side side) {
        const int elapsed = now - lastPass[side];
        lastPass[side] = now;
        return window > elapsed;
    };
    for (Side side : kSides) {
        const bool runner = fencers[side].State().inFleche;
        const bool other = fencers[Opposite(side)].State().inFleche;
        if (runner && !other && tooSoon(side)) {
            pendingCall = kCorpsACorps;
            outcome.offence[side] = true;
        }
    }
    outcome.passed = true;
    outcome.hitBy.reset();
    timers.president.SetEnabled(true);
    StopFencers();
    outcome.offTarget = false;
    outcome.counter = {false, false};
}

void Referee::TimeOut() {
    phase = Phase::TimeOutHalt;
    timers.clock.SetEnabled(false);
    timers.fencers[Side::Right]->SetEnabled(false);
    timers.fencers[Side::Left]->SetEnabled(false);
    timers.president.SetEnabled(true);
}

void Referee::ReturnToEngarde() {
    Fencer& a = fencers[Side::Left];
    Fencer& b = fencers[Side::Right];
    const EngardePair to = EngardePositions(a.Left(), b.Left(), outcome.offTarget, outcome.passed,
                                            a.State().inFleche, b.State().inFleche);
    a.PlaceAt(to.leftA);
    b.PlaceAt(to.leftB);

    // offTarget stays: the next hit test clears it.
    outcome.passed = false;
    for (Side side : kSides)
        fencers[side].StandOnGuard();
    opponent.ForgetPlans();
    outcome.offence = {false, false};
    outcome.counter = {false, false};

    for (Side side : kSides)
        fencers[side].ShowFrame();
    for (Side side : kSides)
        fencers[side].UpdatePoints();

    timers.light.SetEnabled(false);
    outcome.hitBy.reset();
    lamps.Off();
}

} // namespace pistework::game
