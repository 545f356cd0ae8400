// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bout/Opponent.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace pistework::game {

using enum Action;

namespace {

// Distances between the targets at which the computer changes its game.
constexpr int kFarGap = 110;
constexpr int kCloseGap = 60;
constexpr int kParryGap = 100;
constexpr int kAwaitFlecheGap = 150;
constexpr int kArmChangeGap = 120;

// The range shifted for one draw. A hand-edited range may lie at either end of int; held
// there, the draw is the one the true sum would give (all of the generator's, or none).
int Shifted(int range, int by) {
    constexpr std::int64_t kLow = std::numeric_limits<int>::min();
    constexpr std::int64_t kHigh = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(std::int64_t{range} + by, kLow, kHigh));
}

} // namespace

int Gap(const Fencer& a, const Fencer& b) {
    const Fencer& left = a.OwnSide() == Side::Left ? a : b;
    const Fencer& right = a.OwnSide() == Side::Left ? b : a;
    return right.State().bodyX - left.State().bodyX;
}

void Opponent::Reseed() {
    random.Seed(static_cast<std::uint32_t>(now / 1000));
}

int Opponent::Below(int n) {
    return n <= 0 ? 0 : random.Next() % n;
}

int Opponent::FreshDraw(int n) {
    Reseed();
    return Below(n);
}

void Opponent::ForgetPlans() {
    plans = {};
}

void Opponent::ChooseAction(Fencer& self, const Fencer& other, int redCards) {
    const FencerState& f = self.State();
    if (plans[self.OwnSide()].keepAdvancing && !f.inLunge && !f.inFleche) {
        self.SetAction(Advance);
        return;
    }
    // A flèche once started runs on until the phrase is halted.
    if (f.inFleche && !f.inLunge) {
        self.SetAction(f.armExtended ? FlecheRun : FlecheRunParried);
        return;
    }
    const int distance = Gap(self, other);
    if (distance > kFarGap)
        ChooseFarAction(self, other, redCards);
    else if (distance < kCloseGap)
        ChooseCloseAction(self);
    else
        ChooseMiddleAction(self);
}

void Opponent::ChooseFarAction(Fencer& self, const Fencer& other, int redCards) {
    const int range = strengths[self.OwnSide()].range;
    const FencerState& f = self.State();
    Plan& plan = plans[self.OwnSide()];
    Reseed();
    const int choice = Below(range);
    const int caution = Below(6);

    if (plan.attackPrepared) {
        if (++plan.preparedCount <= 2) {
            self.SetAction(Fleche);
            plan.attackPrepared = false;
            plan.preparedCount = 0;
        }
        return;
    }
    if (f.inLunge) {
        self.SetAction(choice == 0 ? RecoverForward : choice <= 6 ? Recover : Stand);
        return;
    }
    if (choice <= 4) {
        self.SetAction(Advance);
        return;
    }
    if (choice == 5) {
        self.SetAction(self.RoomBehind() < kRetreatRoom ? Advance : Retreat);
        return;
    }
    if (choice == 6) {
        if (Below(range) > 5) {
            self.SetAction(Stand);
            return;
        }
    } else if (choice >= 8) {
        self.SetAction(Stand);
        return;
    }

    // The attack: each red card makes the fencer likelier to advance armed than to flèche.
    const int nerve = Below(Shifted(range, -5));
    if (redCards > nerve || caution > 2 || plans[other.OwnSide()].attackPrepared) {
        self.SetAction(AdvanceExtended);
        self.SetArmExtended(true);
    } else if (f.armExtended) {
        self.SetAction(Fleche);
    } else {
        self.SetAction(StandExtended);
        self.SetArmExtended(true);
        plan.attackPrepared = true;
    }
}

void Opponent::ChooseMiddleAction(Fencer& self) {
    const int range = strengths[self.OwnSide()].range;
    const FencerState& f = self.State();
    Plan& plan = plans[self.OwnSide()];
    Reseed();
    const int choice = Below(range);
    const int bentLunge = Below(range);

    if (plan.attackPrepared) {
        if (++plan.preparedCount >= 2) {
            self.SetAction(Lunge);
            plan.attackPrepared = false;
            plan.preparedCount = 0;
        }
        return;
    }
    if (f.inLunge) {
        ChangeArmInLunge(self, choice);
        return;
    }

    // Extending the arm, or parrying with the arm out, prepares the lunge of two decisions on.
    auto prepare = [&] {
        self.SetAction(StandExtended);
        self.SetArmExtended(true);
        plan.attackPrepared = true;
    };
    switch (choice) {
    case 0:
        self.SetAction(Advance);
        return;
    case 1:
    case 2:
        self.SetAction(self.RoomBehind() < kRetreatRoom ? Advance : Retreat);
        return;
    case 3:
        if (f.armExtended) {
            self.SetAction(Parry);
            plan.attackPrepared = true;
        } else {
            prepare();
        }
        return;
    case 4:
    case 5:
        if (Below(range) > 5) {
            self.SetAction(Stand);
            return;
        }
        [[fallthrough]];
    case 6:
    case 7:
        if (f.armExtended)
            self.SetAction(Lunge);
        else if (bentLunge > 5)
            self.SetAction(BentLunge);
        else
            prepare();
        return;
    default:
        if (f.action == Lunge || f.action == Recover) self.SetAction(Stand);
        return;
    }
}

// Held in a lunge at middle distance: recover, or change the arm in the lunge.
void Opponent::ChangeArmInLunge(Fencer& self, int choice) {
    if (!self.State().armBent) {
        self.SetAction(choice <= 2 ? Recover : choice <= 6 ? BendInLunge : Stand);
    } else if (choice <= 4) {
        self.SetAction(ExtendInLunge);
        self.SetArmExtended(true);
    } else {
        self.SetAction(choice <= 6 ? RecoverBent : Stand);
    }
}

void Opponent::ChooseCloseAction(Fencer& self) {
    const int range = strengths[self.OwnSide()].range;
    const FencerState& f = self.State();
    Plan& plan = plans[self.OwnSide()];
    Reseed();
    const int choice = Below(range);

    if (!f.inLunge) {
        if (choice <= 2) {
            self.SetAction(Advance);
        } else if (choice <= 5) {
            self.SetAction(Retreat);
        } else if (choice == 6) {
            if (f.armExtended) {
                self.SetAction(Lunge);
            } else {
                self.SetAction(StandExtended);
                self.SetArmExtended(true);
            }
        } else if (choice <= 8) {
            self.SetAction(Stand);
        } else if (f.action == Lunge || f.action == Recover) {
            self.SetAction(Retreat);
        }
        return;
    }

    // Held in a lunge: recovering forwards commits the fencer to pressing on.
    if (choice <= 1) {
        self.SetAction(f.armBent ? RecoverForwardBent : RecoverForward);
        plan.keepAdvancing = true;
    } else if (!f.armBent) {
        if (choice <= 3)
            self.SetAction(Recover);
        else if (choice == 4)
            self.SetAction(LungeParry);
        else
            self.SetAction(choice <= 6 ? BendInLunge : Stand);
    } else if (choice <= 4) {
        self.SetAction(ExtendInLunge);
        self.SetArmExtended(true);
    } else {
        self.SetAction(choice <= 6 ? RecoverBent : Stand);
    }
}

bool Opponent::ParryReaction(Fencer& self, const Fencer& other) {
    const int range = strengths[self.OwnSide()].range;
    const FencerState& f = self.State();
    Reseed();
    const int choice = Below(Shifted(range, 2));
    if (IsCommitted(f.action) || plans[self.OwnSide()].keepAdvancing) return true;

    const Action o = other.CurrentAction();
    const int distance = Gap(self, other);
    if (IsFlecheArrival(o)) {
        // A flèche from far off is awaited standing.
        if (distance > kAwaitFlecheGap) {
            self.SetAction(Stand);
            return true;
        }
    } else if (distance > kParryGap) {
        return false;
    }
    if (choice > 5) return false;

    switch (o) {
    case StandExtended:
    case AdvanceExtended:
    case RetreatExtended:
    case Lunge:
    case Fleche:
    case FlecheRun:
    case BentLunge:
    case ExtendInLunge:
    case BendInLunge: {
        const Action parry = f.armBent ? BentLungeParry : f.inLunge ? LungeParry : Parry;
        // The replacement keeps the running frame count; a double parry cut down to a single
        // one would run past the single parry's frames, so the double parry plays on.
        if (f.frameCount <= SequenceLength(parry)) self.SetAction(parry);
        return true;
    }
    default:
        return false;
    }
}

Action Opponent::ArmAndStepVariation(Fencer& self, const Fencer& other) {
    const int range = strengths[self.OwnSide()].range;
    const FencerState& f = self.State();
    Reseed();
    const int choice = Below(range);
    const Action t = f.action;

    switch (t) {
    case Lunge:
    case Recover:
    case BentLunge:
    case RecoverBent:
    case RecoverForward:
    case RecoverForwardBent:
    case LungeParry:
    case BentLungeParry:
        return t;
    default:
        break;
    }

    const int distance = Gap(self, other);
    if (distance <= kArmChangeGap && choice < 2) self.SetArmExtended(!f.armExtended);
    if (distance > kArmChangeGap + 1) self.SetArmExtended(false);

    if (Below(10) < 2) return t;
    if (f.frameIndex != 1 && f.frameIndex != 2) return t;
    if (plans[self.OwnSide()].keepAdvancing) return t;
    switch (t) {
    case Advance:
        return Retreat;
    case Retreat:
        return Advance;
    case AdvanceExtended:
        return RetreatExtended;
    case RetreatExtended:
        return AdvanceExtended;
    default:
        return t;
    }
}

} // namespace pistework::game
