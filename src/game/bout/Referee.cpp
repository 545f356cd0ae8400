// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bout/Referee.h"

#include "game/bout/BoutRules.h"

#include <algorithm>

namespace pistework::game {

Referee::Referee(BoutView& view, const EventStream& events, RefereeTimers timers,
                 PerSide<Fencer>& fencers, Opponent& opponent, Scoreboard& scores, Lamps& lamps,
                 BoutClock& clock, const BoutOptions& options, const platform::Clock& time)
    : view(view), events(events), timers(timers), fencers(fencers), opponent(opponent),
      scores(scores), lamps(lamps), clock(clock), options(options), time(time) {}

void Referee::Say(RefereeCall call) {
    view.call = call;
    events.Emit(CallMade{call});
}

// Nothing of a phrase left unruled carries into the new bout: a pass or an off-target hit
// cut short by "New Game" or the clock would otherwise set the first "Engarde" off its lines.
void Referee::StartBout() {
    phase = Phase::Engarde;
    lastPass = {0, 0};
    outcome = {};
    notes = {};
}

void Referee::StopFencers() {
    timers.fencers[Side::Left]->SetEnabled(false);
    timers.fencers[Side::Right]->SetEnabled(false);
}

// Whoever starts the referee sets the phase first.
void Referee::Tick() {
    switch (phase) {
    case Phase::Engarde:
        Say({Call::Engarde});
        ReturnToEngarde();
        phase = Phase::Ready;
        break;
    case Phase::Ready:
        Say({Call::Ready});
        phase = Phase::Fence;
        break;
    case Phase::Fence:
        Say({Call::Fence});
        timers.clock.SetEnabled(true);
        phase = Phase::LetGo;
        break;
    case Phase::LetGo:
        view.call = {};
        // The referee never runs together with the fencers; the right fencer starts first.
        timers.president.SetEnabled(false);
        timers.fencers[Side::Right]->SetEnabled(true);
        timers.fencers[Side::Left]->SetEnabled(true);
        phase = Phase::Halt;
        break;
    case Phase::Halt:
    case Phase::TimeOutHalt:
        Say({Call::Halt});
        timers.clock.SetEnabled(false);
        phase = phase == Phase::Halt ? Phase::Announce : Phase::GameOver;
        break;
    case Phase::Announce:
        Say(pendingCall);
        phase = Phase::Rule;
        break;
    case Phase::Rule:
        GiveRuling();
        phase = scores.Reached(options.maxHits) ? Phase::GameOver : Phase::Engarde;
        break;
    case Phase::GameOver:
        Say({Call::GameOver});
        timers.president.SetEnabled(false);
        phase = Phase::Engarde;
        if (onGameOver) onGameOver();
        break;
    }
}

// The first case that applies decides.
void Referee::GiveRuling() {
    const Side hitter = outcome.hitBy.value_or(Side::Right);
    if (outcome.offence[Side::Left]) {
        GiveCard(Side::Left);
    } else if (outcome.offence[Side::Right]) {
        GiveCard(Side::Right);
    } else if (outcome.passed) {
        Say({Call::ReturnToEngarde});
        Rule(RulingKind::Passed, hitter, Decider::RanPast);
    } else if (outcome.offTarget) {
        Say({Call::OffTarget});
        Rule(RulingKind::OffTarget, hitter, Decider::PointShort);
    } else {
        const bool lateCounter = outcome.counter[Side::Left] || outcome.counter[Side::Right];
        Say({lateCounter ? Call::SuccessfulCounterOutOfTime : Call::Successful});
        scores.AddHit(hitter);
        const Decider decider = lateCounter    ? Decider::CounterIntoAttack
                                : notes.fleche ? Decider::FlecheLanded
                                               : Decider::LungeLanded;
        Rule(lateCounter ? RulingKind::HitThroughLateCounter : RulingKind::Hit, hitter, decider);
    }
}

void Referee::GiveCard(Side offender) {
    if (scores.GiveCard(offender) == Card::Yellow) {
        Say({Call::YellowCard, offender});
        Rule(RulingKind::YellowCard, offender, Decider::PassedTooSoon);
        return;
    }
    Say({Call::RedCard, offender});
    Rule(RulingKind::RedCard, offender, Decider::PassedTooSoon);
    outcome.passed = false;
}

void Referee::FlashLamps() {
    const Side hitter = outcome.hitBy.value_or(Side::Right);
    lamps.Flash(hitter, outcome.offTarget, outcome.counter[Opposite(hitter)]);
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

void Referee::NoteArrival(Side attacker, const Arrival& arrival) {
    outcome.counter[attacker] = arrival.counter;
    outcome.offTarget = arrival.offTarget;
    if (arrival.counter) notes.counterArrived[attacker] = time.NowMilliseconds();
    if (arrival.hit) notes.pointPast = arrival.past;
}

void Referee::NoteAttack(Side attacker, std::optional<int> gap) {
    notes.attackBegan[attacker] = time.NowMilliseconds();
    notes.gapAtAttack[attacker] = gap;
}

void Referee::NoteParry(Side parrier) {
    notes.parried[parrier] = true;
}

void Referee::CallHit(Side hitter) {
    StopFencers();
    phase = Phase::Halt;
    pendingCall = {outcome.counter[Opposite(hitter)] ? Call::AttackAndCounter : Call::Attack,
                   hitter};
    outcome.hitBy = hitter;
    notes.halted = time.NowMilliseconds();
    notes.fleche = IsFlecheArrival(fencers[hitter].CurrentAction());
    // At the tenth flash the lamps and the referee fall due together; the one started first
    // ticks first, and each side has always started them in its own order.
    if (hitter == Side::Left) {
        timers.light.SetEnabled(true);
        timers.president.SetEnabled(true);
    } else {
        timers.president.SetEnabled(true);
        timers.light.SetEnabled(true);
    }
}

void Referee::CallPass(int window) {
    phase = Phase::Halt;
    pendingCall = {Call::Passed};
    // Running past the opponent again too soon after one's own last pass is an offence.
    const int now = clock.SecondsFenced();
    auto tooSoon = [&](Side side) {
        const int elapsed = now - lastPass[side];
        lastPass[side] = now;
        notes.secondsSincePass = elapsed;
        notes.secondsAllowed = window;
        return window > elapsed;
    };
    for (Side side : kSides) {
        const bool runner = fencers[side].State().inFleche;
        const bool other = fencers[Opposite(side)].State().inFleche;
        if (runner && !other && tooSoon(side)) {
            pendingCall = {Call::CorpsACorps, side};
            outcome.offence[side] = true;
        }
    }
    outcome.passed = true;
    outcome.hitBy.reset();
    notes.halted = time.NowMilliseconds();
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
    notes = {};

    for (Side side : kSides)
        fencers[side].ShowFrame();
    for (Side side : kSides)
        fencers[side].UpdatePoints();

    timers.light.SetEnabled(false);
    outcome.hitBy.reset();
    lamps.Off();
}

} // namespace pistework::game
