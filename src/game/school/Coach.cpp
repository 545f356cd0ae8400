// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/school/Coach.h"

#include "game/piste/Geometry.h"

#include <algorithm>

namespace pistework::game::school {

using enum Action;

namespace {

// The other's blade was caught: its action goes on as its parried variant.
bool Parried(Action action) {
    return action == StandParried || action == AdvanceParried || action == RetreatParried ||
           action == LungeParried || action == FlecheParried || action == FlecheRunParried ||
           action == ExtendInLungeParried || action == BendInLungeParried;
}

bool Recovers(Action action) {
    return action == Recover || action == RecoverBent || action == RecoverForward ||
           action == RecoverForwardBent;
}

// Whole steps, rounded up: what a player would take to mend a gap.
int StepsFor(int pixels) {
    return std::max(1, (pixels + kStep - 1) / kStep);
}

} // namespace

int LungeReach(bool armExtended) {
    Fencer lunger(Side::Left, 0);
    lunger.StandOnGuard();
    lunger.UpdatePoints();
    const int body = lunger.State().bodyX;
    if (armExtended) lunger.Extend();
    lunger.Lunge();
    // The ticks of a lone fencer: its sequence ends, it takes up its request, shows a frame.
    for (int tick = 0; tick < 4 * kMostFrames; ++tick) {
        if (lunger.EndSequence()) {
            lunger.TakeUpRequest();
            lunger.CountFrames();
        }
        lunger.UpdatePoints();
        lunger.ShowFrame();
        const FencerState& s = lunger.State();
        if (IsLungeArrival(s.action) && s.frameIndex == s.frameCount) return s.tipX - body;
    }
    return 0;
}

int StepsOutOfReach(const Bout& bout) {
    const int beyond =
        Gap(bout.FencerOn(Side::Left), bout.FencerOn(Side::Right)) - LungeReach(true);
    return beyond <= 0 ? 0 : StepsFor(beyond);
}

Bout Coach::Start(std::int64_t at) const {
    Bout bout(at);
    bout.Take(at, BoutSettings{.target = 15,
                               .timed = false,
                               .computerLeft = false,
                               .demonstrationAfter = false,
                               .strength = kNovice.strength});
    bout.StartNew(false);
    // The salute and the calls up to "Fence" run at once: a lesson begins as the fencers move.
    for (int tick = 0; tick < 256 && !bout.Fencing(); ++tick)
        bout.RunNext();
    (void)bout.TakeNews();
    bout.StepIn(lesson->stepsIn);
    return bout;
}

void Coach::Watch(Bout& bout, const std::vector<Happening>& news) {
    now = bout.Now();
    if (progress.state != Progress::State::Going) return;
    if (!begun) {
        begun = true;
        startLeft = bout.FencerOn(Side::Right).Left();
        attemptBegan = lastStep = now;
    }
    Judge(bout, news);
    if (progress.state == Progress::State::Going) Script(bout);
}

bool Coach::WantsAgain(std::int64_t at) const {
    return progress.state == Progress::State::Failed && at - endedAt >= kPause;
}

void Coach::Again(std::int64_t at) {
    const Progress last = progress;
    *this = Coach(*lesson);
    progress.hint = last.hint;
    progress.steps = last.steps;
    progress.attempt = last.attempt + 1;
    now = at;
}

// The left fencer takes a new order only between its sequences, and one at a time.
void Coach::Script(Bout& bout) {
    const Fencer& self = bout.FencerOn(Side::Left);
    const Fencer& other = bout.FencerOn(Side::Right);
    const FencerState& s = self.State();
    if (s.frameIndex < s.frameCount || s.requestedAction != Stand) return;
    const int gap = Gap(self, other);
    const int reach = LungeReach(true);
    const bool stepDue = now - lastStep >= kStepEvery;
    auto order = [&](FencerCommand command) {
        if (command == FencerCommand::Advance || command == FencerCommand::Retreat) {
            if (!stepDue) return;
            lastStep = now;
        }
        bout.Take(now, input::Order{Side::Left, command});
    };
    auto lunge = [&] {
        if (!s.armExtended) order(FencerCommand::Extend);
        order(FencerCommand::Lunge);
    };
    if (s.inLunge) return order(FencerCommand::Lunge); // recover
    const Action theirs = other.CurrentAction();
    switch (lesson->script) {
    case Script::Stands:
        return;
    case Script::Advances:
        if (gap > reach) order(FencerCommand::Advance);
        return;
    case Script::LungesInDistance:
        if (gap > reach) return order(FencerCommand::Advance);
        if (gap >= reach - kStep) return lunge();
        return order(FencerCommand::Retreat);
    case Script::CounterAttacks:
        // Into the other's attack as it is prepared: the arm goes out within reach.
        if (gap <= reach + kStep && (other.State().armExtended || StartsAttack(theirs))) lunge();
        return;
    case Script::Fleches:
        if (s.inFleche) return;
        if (gap <= reach) return order(FencerCommand::Retreat);
        if (!s.armExtended) order(FencerCommand::Extend);
        return order(FencerCommand::Fleche);
    }
}

void Coach::Judge(const Bout& bout, const std::vector<Happening>& news) {
    for (const Happening& happened : news)
        if (const auto* event = std::get_if<BoutEvent>(&happened))
            if (const auto* ruling = std::get_if<Ruling>(event)) JudgeRuling(*ruling);
    if (progress.state != Progress::State::Going) return;
    JudgeTick(bout);
    if (progress.state != Progress::State::Going) return;
    const bool timeUp = now - attemptBegan >= lesson->seconds * std::int64_t{1000};
    if (!timeUp) return;
    switch (lesson->goal) {
    case Goal::MoveBothWays:
        return Fail(farthestIn >= 2 ? Hint::NoRetreat : Hint::NotMoved);
    case Goal::KeepDistance:
        return Pass();
    case Goal::LandLunge:
    case Goal::BeatCounter:
        return Fail(Hint::NoLunge);
    case Goal::Recover:
        return Fail(lunged ? Hint::StayedInLunge : Hint::NoLunge);
    case Goal::Parry:
    case Goal::ParryRiposte:
    case Goal::StopFleche:
        return Fail(Hint::NoParry);
    case Goal::LandFleche:
        return Fail(Hint::NoFleche);
    }
}

void Coach::JudgeRuling(const Ruling& ruling) {
    const bool mine = ruling.side == Side::Right;
    const bool scored =
        ruling.kind == RulingKind::Hit || ruling.kind == RulingKind::HitThroughLateCounter;
    const bool fleche = ruling.why && ruling.why->decider == Decider::FlecheLanded;
    if (ruling.kind == RulingKind::Passed) return Say(Hint::RanPast);
    if (ruling.kind == RulingKind::YellowCard || ruling.kind == RulingKind::RedCard)
        return mine ? Fail(Hint::Card) : Pass();
    if (ruling.kind == RulingKind::OffTarget)
        return mine ? Fail(Hint::LungeOffTarget) : Say(Hint::None);
    if (!scored) return;
    switch (lesson->goal) {
    case Goal::MoveBothWays:
    case Goal::KeepDistance:
    case Goal::Recover:
        return mine ? Say(Hint::None) : Fail(lunged ? Hint::StayedInLunge : Hint::WasHit);
    case Goal::LandLunge:
        return mine ? Pass() : Fail(Hint::WasHit);
    case Goal::Parry:
        return mine ? Say(Hint::None) : Fail(Hint::WasHit);
    case Goal::ParryRiposte:
        if (!mine) return Fail(Hint::WasHit);
        return ruling.why && ruling.why->afterParry ? Pass() : Fail(Hint::NoParry);
    case Goal::BeatCounter:
        return mine ? Pass() : Fail(Hint::CounterLanded);
    case Goal::LandFleche:
        if (!mine) return Fail(Hint::WasHit);
        return fleche ? Pass() : Say(Hint::NoFleche);
    case Goal::StopFleche:
        return mine ? Pass() : Fail(Hint::FlecheLanded);
    }
}

// What the pictures show between rulings: steps, lunges that missed, parries, the distance.
void Coach::JudgeTick(const Bout& bout) {
    const Fencer& me = bout.FencerOn(Side::Right);
    const Fencer& them = bout.FencerOn(Side::Left);
    const FencerState& s = me.State();
    const bool fencing = bout.Fencing();
    farthestIn = std::max(farthestIn, (startLeft - me.Left()) / kStep);
    if (s.inLunge) lunged = true;
    if (lunged && Recovers(s.action)) recovering = true;
    switch (lesson->goal) {
    case Goal::MoveBothWays:
        if (farthestIn >= 2 && (startLeft - me.Left()) / kStep <= farthestIn - 1) Pass();
        return;
    case Goal::KeepDistance: {
        const int out = StepsOutOfReach(bout);
        const bool close = out<kNearest, far = out> kFarthest;
        if (!close && !far) {
            inDistanceSince.reset();
            return;
        }
        // A step takes a moment to answer: only a gap kept wrong that long fails.
        if (!inDistanceSince) inDistanceSince = now;
        if (now - *inDistanceSince > kStepEvery / 2) Fail(close ? Hint::TooClose : Hint::TooFar);
        return;
    }
    case Goal::Recover:
        if (recovering && !s.inLunge && s.frameIndex >= s.frameCount) Pass();
        return;
    case Goal::Parry:
    case Goal::StopFleche:
        if (Parried(them.CurrentAction())) Pass();
        return;
    case Goal::ParryRiposte:
        if (Parried(them.CurrentAction()) && !parriedAt) parriedAt = now;
        if (parriedAt && fencing && now - *parriedAt > kRiposteWithin) Fail(Hint::NoRiposte);
        return;
    case Goal::LandLunge:
    case Goal::BeatCounter:
        break;
    case Goal::LandFleche:
        return;
    }
    // A lunge held with no hit called: its point stopped short of the target, or went past.
    if (!fencing || !s.inLunge || (s.action != Stand && s.action != StandExtended)) return;
    if (s.armBent) return Fail(Hint::BentLunge);
    const int past = (s.tipX - them.State().bodyX) * Forward(Side::Right);
    if (past < kOffTargetUnits * kPointUnit) return Fail(Hint::LungeShort, StepsFor(-past));
    if (past > kHitUnitsMax * kPointUnit)
        return Fail(Hint::LungePast, StepsFor(past - kHitUnitsMax * kPointUnit));
}

void Coach::Pass() {
    progress.state = Progress::State::Passed;
    progress.hint = Hint::None;
    progress.steps = 0;
    endedAt = now;
}

void Coach::Fail(Hint hint, int steps) {
    progress.state = Progress::State::Failed;
    Say(hint, steps);
    endedAt = now;
}

void Coach::Say(Hint hint, int steps) {
    progress.hint = hint;
    progress.steps = steps;
}

} // namespace pistework::game::school
