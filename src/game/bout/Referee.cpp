// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bout/Referee.h"

#include "game/bout/BoutRules.h"

#include <algorithm>

namespace pistework::game {

namespace {

void Say(BoutParts& piste, RefereeCall call) {
    piste.call = call;
    piste.Emit(CallMade{call});
}

void StopFencers(BoutParts& piste) {
    piste.timers.Stop(Tick::Left);
    piste.timers.Stop(Tick::Right);
}

} // namespace

// A phrase left unruled keeps its outcome into the new bout: after an off-target hit or a pass
// cut short by "New Game", the first "Engarde" moves the fencers from their start lines as that
// ruling would.
void Referee::StartBout() {
    phase = Phase::Engarde;
    lastPass = {0, 0};
}

// Whoever starts the referee sets the phase first.
bool Referee::Tick(BoutParts& piste) {
    Schedule& timers = piste.timers;
    switch (phase) {
    case Phase::Engarde:
        Say(piste, {Call::Engarde});
        ReturnToEngarde(piste);
        phase = Phase::Ready;
        break;
    case Phase::Ready:
        Say(piste, {Call::Ready});
        phase = Phase::Fence;
        break;
    case Phase::Fence:
        Say(piste, {Call::Fence});
        timers.Start(Tick::Clock);
        phase = Phase::LetGo;
        break;
    case Phase::LetGo:
        piste.call = {};
        // The referee never runs together with the fencers; the right fencer starts first.
        timers.Stop(Tick::President);
        timers.Start(Tick::Right);
        timers.Start(Tick::Left);
        phase = Phase::Halt;
        break;
    case Phase::Halt:
    case Phase::TimeOutHalt:
        Say(piste, {Call::Halt});
        timers.Stop(Tick::Clock);
        phase = phase == Phase::Halt ? Phase::Announce : Phase::GameOver;
        break;
    case Phase::Announce:
        Say(piste, pendingCall);
        phase = Phase::Rule;
        break;
    case Phase::Rule:
        GiveRuling(piste);
        phase = piste.scores.Reached(piste.settings.target) ? Phase::GameOver : Phase::Engarde;
        break;
    case Phase::GameOver:
        Say(piste, {Call::GameOver});
        timers.Stop(Tick::President);
        phase = Phase::Engarde;
        return true;
    }
    return false;
}

// The first case that applies decides.
void Referee::GiveRuling(BoutParts& piste) {
    const Side hitter = outcome.hitBy.value_or(Side::Right);
    if (outcome.offence[Side::Left]) {
        GiveCard(piste, Side::Left);
    } else if (outcome.offence[Side::Right]) {
        GiveCard(piste, Side::Right);
    } else if (outcome.passed) {
        Say(piste, {Call::ReturnToEngarde});
        Rule(piste, RulingKind::Passed, hitter, Decider::RanPast);
    } else if (outcome.offTarget) {
        Say(piste, {Call::OffTarget});
        Rule(piste, RulingKind::OffTarget, hitter, Decider::PointShort);
    } else {
        const bool lateCounter = outcome.counter[Side::Left] || outcome.counter[Side::Right];
        Say(piste, {lateCounter ? Call::SuccessfulCounterOutOfTime : Call::Successful});
        piste.scores.AddHit(hitter);
        const Decider decider = lateCounter    ? Decider::CounterIntoAttack
                                : notes.fleche ? Decider::FlecheLanded
                                               : Decider::LungeLanded;
        Rule(piste, lateCounter ? RulingKind::HitThroughLateCounter : RulingKind::Hit, hitter,
             decider);
    }
}

void Referee::GiveCard(BoutParts& piste, Side offender) {
    if (piste.scores.GiveCard(offender) == Card::Yellow) {
        Say(piste, {Call::YellowCard, offender});
        Rule(piste, RulingKind::YellowCard, offender, Decider::PassedTooSoon);
        return;
    }
    Say(piste, {Call::RedCard, offender});
    Rule(piste, RulingKind::RedCard, offender, Decider::PassedTooSoon);
    outcome.passed = false;
}

void Referee::FlashLamps(BoutParts& piste) const {
    const Side hitter = outcome.hitBy.value_or(Side::Right);
    piste.lamps.Flash(hitter, outcome.offTarget, outcome.counter[Opposite(hitter)]);
}

// Times are kept back from the halt, so the reason reads the same wherever the bout is replayed.
RulingReason Referee::Reason(Decider decider, Side side) const {
    RulingReason why{decider};
    auto ago = [this](const std::optional<std::int64_t>& at) -> std::optional<int> {
        if (!at) return std::nullopt;
        return static_cast<int>(std::max<std::int64_t>(0, notes.halted - *at));
    };
    for (Side s : kSides)
        why.attackBeganMsAgo[s] = ago(notes.attackBegan[s]);
    if (decider == Decider::CounterIntoAttack)
        why.counterArrivedMsAgo = ago(notes.counterArrived[Opposite(side)]);
    why.gapAtAttack = notes.gapAtAttack[side];
    why.afterParry = notes.parried[side];
    if (decider != Decider::RanPast && decider != Decider::PassedTooSoon)
        why.pointPast = notes.pointPast;
    if (decider == Decider::PassedTooSoon) {
        why.secondsSincePass = notes.secondsSincePass;
        why.secondsAllowed = notes.secondsAllowed;
    }
    return why;
}

void Referee::NoteArrival(Side attacker, const Arrival& arrival, std::int64_t now) {
    outcome.counter[attacker] = arrival.counter;
    outcome.offTarget = arrival.offTarget;
    if (arrival.counter) notes.counterArrived[attacker] = now;
    if (arrival.hit) notes.pointPast = arrival.past;
}

void Referee::NoteAttack(Side attacker, std::optional<int> gap, std::int64_t now) {
    notes.attackBegan[attacker] = now;
    notes.gapAtAttack[attacker] = gap;
}

void Referee::NoteParry(Side parrier) {
    notes.parried[parrier] = true;
}

void Referee::CallHit(BoutParts& piste, Side hitter) {
    StopFencers(piste);
    phase = Phase::Halt;
    pendingCall = {outcome.counter[Opposite(hitter)] ? Call::AttackAndCounter : Call::Attack,
                   hitter};
    outcome.hitBy = hitter;
    notes.halted = piste.Now();
    notes.fleche = IsFlecheArrival(piste.fencers[hitter].CurrentAction());
    // At the tenth flash the lamps and the referee fall due together; the one started first
    // ticks first, and each side has always started them in its own order.
    if (hitter == Side::Left) {
        piste.timers.Start(Tick::Light);
        piste.timers.Start(Tick::President);
    } else {
        piste.timers.Start(Tick::President);
        piste.timers.Start(Tick::Light);
    }
}

void Referee::CallPass(BoutParts& piste, int window) {
    phase = Phase::Halt;
    pendingCall = {Call::Passed};
    // Running past the opponent again too soon after one's own last pass is an offence.
    const int now = piste.clock.SecondsFenced();
    auto tooSoon = [&](Side side) {
        const int elapsed = now - lastPass[side];
        lastPass[side] = now;
        notes.secondsSincePass = elapsed;
        notes.secondsAllowed = window;
        return window > elapsed;
    };
    for (Side side : kSides) {
        const bool runner = piste.fencers[side].State().inFleche;
        const bool other = piste.fencers[Opposite(side)].State().inFleche;
        if (runner && !other && tooSoon(side)) {
            pendingCall = {Call::CorpsACorps, side};
            outcome.offence[side] = true;
        }
    }
    outcome.passed = true;
    outcome.hitBy.reset();
    notes.halted = piste.Now();
    piste.timers.Start(Tick::President);
    StopFencers(piste);
    outcome.offTarget = false;
    outcome.counter = {false, false};
}

void Referee::TimeOut(BoutParts& piste) {
    phase = Phase::TimeOutHalt;
    piste.timers.Stop(Tick::Clock);
    piste.timers.Stop(Tick::Right);
    piste.timers.Stop(Tick::Left);
    piste.timers.Start(Tick::President);
}

void Referee::ReturnToEngarde(BoutParts& piste) {
    Fencer& a = piste.fencers[Side::Left];
    Fencer& b = piste.fencers[Side::Right];
    const EngardePair to = EngardePositions(a.Left(), b.Left(), outcome.offTarget, outcome.passed,
                                            a.State().inFleche, b.State().inFleche);
    a.PlaceAt(to.leftA);
    b.PlaceAt(to.leftB);

    // offTarget stays: the next hit test clears it.
    outcome.passed = false;
    for (Side side : kSides)
        piste.fencers[side].StandOnGuard();
    piste.opponent.ForgetPlans();
    outcome.offence = {false, false};
    outcome.counter = {false, false};
    notes = {};

    for (Side side : kSides)
        if (piste.fencers[side].ShowFrame()) piste.inFront = side;
    for (Side side : kSides)
        piste.fencers[side].UpdatePoints();

    piste.timers.Stop(Tick::Light);
    outcome.hitBy.reset();
    piste.lamps.Off();
}

} // namespace pistework::game
