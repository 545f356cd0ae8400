// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer's fencing: what its fencer does at each sequence end, how it reacts to the
// other blade within a sequence, and the generator its draws come from. Every decision
// reseeds the generator from the whole seconds of the bout's clock, so one second draws alike.

#include "game/piste/Fencer.h"
#include "platform/Random.h"

namespace pistework::game {

// How strong the computer fences: the spread of its draws and its milliseconds per tick.
struct Strength {
    int range = 0;
    int tickMs = 0; // the period of the computer fencer's timer
    friend bool operator==(const Strength&, const Strength&) = default;
};

class Opponent {
public:
    // The wall-clock time the next draws reseed from, as the bout's clock reads it.
    void SetTime(std::int64_t milliseconds) { now = milliseconds; }

    // The strength the computer fences the left side at, the side it takes against a player.
    const Strength& InPlay() const { return strengths[Side::Left]; }
    const Strength& InPlay(Side side) const { return strengths[side]; }
    // One strength for both sides, as against a player; a demonstration may give each side
    // its own.
    void SetStrength(const Strength& s) { strengths = {s, s}; }
    void SetStrength(Side side, const Strength& s) { strengths[side] = s; }

    // A fresh draw below n from a generator reseeded from the clock; 0 when n is 0 or less,
    // which an edited range can make of `range - 5`.
    int FreshDraw(int n);

    // At a sequence end: the next action. `redCards` are the fencer's own red cards.
    void ChooseAction(Fencer& self, const Fencer& other, int redCards);
    // Within a sequence: a parry against the other's blade, or false to let it vary.
    bool ParryReaction(Fencer& self, const Fencer& other);
    // Within a sequence: the arm and the direction of a step may change on the way.
    Action ArmAndStepVariation(Fencer& self, const Fencer& other);

    // The plans of a phrase end with it.
    void ForgetPlans();

    bool operator==(const Opponent&) const = default;
    template <typename Self, typename Visit> static void Fields(Self& self, Visit& v) {
        v.Add(self.random, self.now);
        for (Side side : kSides) {
            auto& plan = self.plans[side];
            v.Add(In(self.strengths[side].range, kByHandLow, kByHand),
                  In(self.strengths[side].tickMs, 1, kByHand), plan.keepAdvancing,
                  plan.attackPrepared, plan.preparedCount);
        }
    }

private:
    friend class GameProbe;

    struct Plan {
        bool keepAdvancing = false;  // a forward recovery presses on
        bool attackPrepared = false; // the arm is out for an attack two decisions on
        int preparedCount = 0;
        bool operator==(const Plan&) const = default;
    };

    void Reseed();
    int Below(int n);
    void ChooseFarAction(Fencer& self, const Fencer& other, int redCards);
    void ChooseMiddleAction(Fencer& self);
    void ChangeArmInLunge(Fencer& self, int choice);
    void ChooseCloseAction(Fencer& self);

    platform::LcgRandom random;
    std::int64_t now = 0;
    PerSide<Strength> strengths;
    PerSide<Plan> plans;
};

// The right fencer's target minus the left fencer's.
int Gap(const Fencer& a, const Fencer& b);

} // namespace pistework::game
