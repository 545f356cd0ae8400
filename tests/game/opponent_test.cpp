// SPDX-License-Identifier: GPL-3.0-or-later
// How the computer and the players' requests choose each fencer's next action.

#include "PisteFixture.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>
#include <vector>

using namespace pistework;
using namespace pistework::testing;
using namespace pistework::game;

namespace {

// Left fencer standing at 106 (body 149), right fencer standing `gap` px further on.
void AtGap(Piste& p, int gap, int leftA = 106) {
    p.OnGuard(leftA, leftA + gap - 64);
}

// Moves the right fencer until the targets stand `gap` apart.
void SetGap(Piste& p, int gap) {
    p.B().UpdatePoints();
    p.B().PlaceAt(p.B().Left() + gap - Gap(p.A(), p.B()));
    p.B().UpdatePoints();
}

std::int64_t SecondWhereFirstDrawIs(int range, int value) {
    return SecondWhere([=](platform::LcgRandom& r) { return r.Next() % range == value; });
}

} // namespace

TEST(Opponent, DistanceChoosesFarMiddleOrCloseRules) {
    // A prepared attack tells the rules apart whatever the draws: far launches a flèche at
    // once, middle waits one decision and then lunges, close leaves the plan as it was.
    struct Case {
        std::vector<int> gaps; // one decision at each; the attack launches at the last
        Action attack;
    };
    for (const Case& k : std::vector<Case>{{{111}, Action::Fleche},
                                           {{110, 110}, Action::Lunge},
                                           {{60, 60}, Action::Lunge},
                                           {{59, 90, 90}, Action::Lunge}}) {
        SCOPED_TRACE("first at " + std::to_string(k.gaps.front()));
        Piste p;
        AtGap(p, k.gaps.front());
        ASSERT_EQ(Gap(p.A(), p.B()), k.gaps.front());
        p.A().SetPosture({true, false, false, false}); // launched whatever the posture
        p.probe.PrepareAttack(Side::Left, 0);
        for (std::size_t d = 0; d < k.gaps.size(); ++d) {
            SetGap(p, k.gaps[d]);
            const Action before = p.A().CurrentAction();
            p.Computer().ChooseAction(p.A(), p.B(), 0);
            const bool last = d + 1 == k.gaps.size();
            EXPECT_EQ(p.probe.AttackPrepared(Side::Left), !last) << "decision " << d;
            if (k.gaps[d] >= 60 && !last) {
                EXPECT_EQ(p.A().CurrentAction(), before) << "middle rules wait";
            }
        }
        EXPECT_EQ(p.A().CurrentAction(), k.attack);
    }
}

TEST(Opponent, NoRetreatWithLessThanThirtyPixelsBehind) {
    for (int room : {29, 30}) {
        SCOPED_TRACE("room behind " + std::to_string(room));
        const Action expected = room < 30 ? Action::Stand : Action::Retreat;
        Piste p;
        p.OnGuard(room, 244);
        EXPECT_EQ(p.A().RoomBehind(), room);
        p.A().Retreat();
        p.A().TakeUpRequest();
        EXPECT_EQ(p.A().CurrentAction(), expected);
        p.A().SetArmExtended(true);
        p.A().Retreat();
        p.A().TakeUpRequest();
        EXPECT_EQ(p.A().CurrentAction(), Action::RetreatExtended)
            << "only the bent-arm retreat is held back";

        p.OnGuard(106, 350 - room);
        EXPECT_EQ(p.B().RoomBehind(), room);
        p.B().Retreat();
        p.B().TakeUpRequest();
        EXPECT_EQ(p.B().CurrentAction(), expected);

        // The computer's far retreat (first draw 5) turns into an advance instead.
        Piste far(SecondWhereFirstDrawIs(12, 5) * 1000);
        AtGap(far, 200, room);
        far.Computer().ChooseAction(far.A(), far.B(), 0);
        EXPECT_EQ(far.A().CurrentAction(), room < 30 ? Action::Advance : Action::Retreat);
    }
}

TEST(Opponent, DecisionsInOneSecondDrawAlike) {
    std::set<Action> choices;
    for (std::int64_t s = 0; s < 20; ++s) {
        for (int gap : {40, 90, 200}) {
            Piste p((1'700'000'000 + s) * 1000 + 250);
            AtGap(p, gap);
            p.Computer().ChooseAction(p.A(), p.B(), 0);
            const FencerState first = p.A().State();
            const bool prepared = p.probe.AttackPrepared(Side::Left);
            AtGap(p, gap);
            p.form.scheduler.RunFor(700); // still the same whole second
            p.Computer().ChooseAction(p.A(), p.B(), 0);
            EXPECT_EQ(p.A().CurrentAction(), first.action) << "second " << s << " gap " << gap;
            EXPECT_EQ(p.A().State().armExtended, first.armExtended);
            EXPECT_EQ(p.probe.AttackPrepared(Side::Left), prepared);
            choices.insert(first.action);
        }
    }
    EXPECT_GE(choices.size(), 4u) << "different seconds choose differently";
}

TEST(Opponent, RecoveringForwardsCloseInCommitsToAdvancing) {
    Piste p(SecondWhereFirstDrawIs(12, 0) * 1000);
    AtGap(p, 40);
    p.A().SetPosture({true, false, false, false});
    p.Computer().ChooseAction(p.A(), p.B(), 0);
    EXPECT_EQ(p.A().CurrentAction(), Action::RecoverForward);
    EXPECT_TRUE(p.probe.KeepsAdvancing(Side::Left));

    // Out of the lunge it advances at every decision and neither parries nor varies its step.
    p.B().SetAction(Action::Lunge);
    for (int gap : {40, 90, 200}) {
        SetGap(p, gap);
        p.Playing(Side::Left, Action::Stand, 1);
        p.Computer().ChooseAction(p.A(), p.B(), 0);
        EXPECT_EQ(p.A().CurrentAction(), Action::Advance);
        p.Playing(Side::Left, Action::Advance, 1);
        EXPECT_TRUE(p.Computer().ParryReaction(p.A(), p.B()));
        EXPECT_EQ(p.A().CurrentAction(), Action::Advance);
    }

    // At far distance the same draw recovers forwards without the commitment.
    Piste q(SecondWhereFirstDrawIs(12, 0) * 1000);
    AtGap(q, 200);
    q.A().SetPosture({true, false, false, false});
    q.Computer().ChooseAction(q.A(), q.B(), 0);
    EXPECT_EQ(q.A().CurrentAction(), Action::RecoverForward);
    EXPECT_FALSE(q.probe.KeepsAdvancing(Side::Left));
}

TEST(Opponent, RedCardsCountOnlyWhileTheYellowIsHeld) {
    // Far attack draw (a = 7, b <= 2), arm out: a flèche, unless red cards turn it into an
    // armed advance.
    const std::int64_t s = SecondWhere([](platform::LcgRandom& r) {
        const int a = r.Next() % 12;
        return a == 7 && r.Next() % 6 <= 2;
    });
    for (int reds : {0, 9}) {
        Piste p(s * 1000);
        AtGap(p, 200);
        p.A().SetArmExtended(true);
        p.Computer().ChooseAction(p.A(), p.B(), reds);
        EXPECT_EQ(p.A().CurrentAction(), reds ? Action::AdvanceExtended : Action::Fleche);
    }
    // The cards the board holds over from a bout before count no more once the yellow is gone.
    Piste p;
    Scoreboard board;
    board.GiveCard(Side::Left);
    board.GiveCard(Side::Left);
    EXPECT_EQ(board.RedCards(Side::Left), 1);
    board.Reset();
    EXPECT_EQ(board.RedCards(Side::Left), 0);

    EXPECT_EQ(p.Computer().FreshDraw(0), 0);
    EXPECT_EQ(p.Computer().FreshDraw(-3), 0) << "an edited range below 5 must not break the draw";
}

TEST(Opponent, ReactionsParryThreatsAndAwaitDistantFleches) {
    using enum Action;
    const std::int64_t low = SecondWhereFirstDrawIs(14, 3);  // a <= 5: the parry goes through
    const std::int64_t high = SecondWhereFirstDrawIs(14, 9); // a > 5: no reaction
    struct Case {
        std::int64_t second;
        int gap;
        Action other;
        bool inLunge;
        bool reacted;
        Action action;
        int range = 12;
    };
    for (Case k :
         {Case{low, 90, StandExtended, false, true, Parry},
          Case{low, 90, Lunge, true, true, LungeParry}, Case{low, 90, Stand, false, false, Advance},
          Case{low, 101, AdvanceExtended, false, false, Advance},
          Case{high, 90, Lunge, false, false, Advance}, Case{high, 151, Fleche, false, true, Stand},
          Case{low, 140, FlecheRun, false, true, Parry},
          // A hand-edited range at the top of int draws the generator's own number, as
          // beyond 15 bits it must; the sum must not wrap round to a draw of 0.
          Case{high, 90, Lunge, false, false, Advance, std::numeric_limits<int>::max()}}) {
        SCOPED_TRACE("gap " + std::to_string(k.gap) + " other " +
                     std::to_string(static_cast<int>(k.other)));
        Piste p(k.second * 1000);
        p.SetStrength(k.range);
        AtGap(p, k.gap);
        p.Playing(Side::Left, Advance, 2, {k.inLunge, false, false, false});
        p.B().SetAction(k.other);
        EXPECT_EQ(p.Computer().ParryReaction(p.A(), p.B()), k.reacted);
        EXPECT_EQ(p.A().CurrentAction(), k.action);
        EXPECT_EQ(p.A().State().frameIndex, 2) << "a reaction keeps the running frame";
    }
    // A double parry is not cut down to a single parry that would run out of frames.
    for (int frame : {2, 7}) {
        Piste q(low * 1000);
        AtGap(q, 90);
        q.Playing(Side::Left, DoubleParry, frame);
        q.B().SetAction(Lunge);
        EXPECT_TRUE(q.Computer().ParryReaction(q.A(), q.B()));
        EXPECT_EQ(q.A().CurrentAction(), DoubleParry);
    }
    // A lunging computer is busy.
    Piste p(low * 1000);
    AtGap(p, 90);
    p.A().SetAction(Lunge);
    p.B().SetAction(Lunge);
    EXPECT_TRUE(p.Computer().ParryReaction(p.A(), p.B()));
    EXPECT_EQ(p.A().CurrentAction(), Lunge);
}

TEST(Opponent, ArmAndStepVariation) {
    using enum Action;
    // a < 2 toggles the arm within 120 px; beyond 121 the arm is always dropped.
    const std::int64_t toggle = SecondWhere([](platform::LcgRandom& r) {
        const int a = r.Next() % 12;
        return a < 2 && r.Next() % 10 >= 2;
    });
    for (int gap : {120, 121, 122}) {
        Piste p(toggle * 1000);
        AtGap(p, gap);
        p.Playing(Side::Left, Advance, 1, {false, false, false, true});
        const Action action = p.Computer().ArmAndStepVariation(p.A(), p.B());
        EXPECT_EQ(p.A().State().armExtended, gap == 121) << "gap " << gap;
        EXPECT_EQ(action, Retreat) << "frame 1 of a step turns round";
    }
    for (int frame : {0, 1, 2, 3}) {
        Piste p(toggle * 1000);
        AtGap(p, 200);
        p.Playing(Side::Left, RetreatExtended, frame);
        EXPECT_EQ(p.Computer().ArmAndStepVariation(p.A(), p.B()),
                  frame == 1 || frame == 2 ? AdvanceExtended : RetreatExtended);
        p.A().SetAction(Recover);
        EXPECT_EQ(p.Computer().ArmAndStepVariation(p.A(), p.B()), Recover);
    }
}

TEST(PlayerChoice, RequestsAreFilteredByPosture) {
    using enum Action;
    Piste p;
    Fencer& a = p.A();
    // A command given in one posture and taken up in another.
    struct Case {
        void (Fencer::*command)();
        Posture asked, taken;
        Action action, stillRequested;
    };
    const Posture none{}, armOut{false, false, false, true}, lunge{true, false, false, true},
        bent{true, true, false, false}, run{false, false, true, true},
        runParried{false, false, true, false};
    int row = 0;
    for (const Case& k : std::vector<Case>{
             {&Fencer::Lunge, armOut, armOut, Lunge, StandExtended},
             {&Fencer::Lunge, armOut, none, Stand, Stand},            // the arm was bent again
             {&Fencer::Lunge, armOut, lunge, Recover, StandExtended}, // already in a lunge
             {&Fencer::Fleche, none, none, Stand, Stand}, // no flèche without the arm out
             {&Fencer::Extend, bent, bent, ExtendInLunge, StandExtended}, // the arm stays out
             // A flèche runs on, whatever was asked, and the request waits.
             {&Fencer::Retreat, run, run, FlecheRun, RetreatExtended},
             {&Fencer::Retreat, runParried, runParried, FlecheRunParried, Retreat}}) {
        SCOPED_TRACE(++row);
        a.StandOnGuard();
        a.SetPosture(k.asked);
        (a.*k.command)();
        a.SetPosture(k.taken);
        a.TakeUpRequest();
        EXPECT_EQ(a.CurrentAction(), k.action);
        EXPECT_EQ(a.State().requestedAction, k.stillRequested);
    }
}

TEST(Opponent, EachSideDrawsWithinItsOwnRange) {
    // With a strength for each side, a side decides exactly as an opponent fencing both sides
    // at that side's strength would; the other side's strength plays no part.
    const Strength narrow{8, 80}, wide{12, 120};
    int differing = 0;
    for (int gap : {150, 90, 40}) {
        for (Side side : kSides) {
            for (std::int64_t second = 1'700'000'000; second < 1'700'000'030; ++second) {
                SCOPED_TRACE("gap " + std::to_string(gap) + " second " + std::to_string(second));
                auto decide = [&](const Strength& mine, const Strength& others) {
                    Piste p(second * 1000);
                    AtGap(p, gap);
                    p.Computer().SetStrength(side, mine);
                    p.Computer().SetStrength(Opposite(side), others);
                    Fencer& self = p.F(side);
                    const Fencer& other = p.F(Opposite(side));
                    p.Computer().ChooseAction(self, other, 0);
                    const bool parried = p.Computer().ParryReaction(self, other);
                    const Action varied = p.Computer().ArmAndStepVariation(self, other);
                    return std::to_string(static_cast<int>(self.CurrentAction())) + " " +
                           std::to_string(parried) + " " +
                           std::to_string(static_cast<int>(varied)) + " " +
                           std::to_string(self.State().armExtended);
                };
                EXPECT_EQ(decide(narrow, wide), decide(narrow, narrow));
                EXPECT_EQ(decide(wide, narrow), decide(wide, wide));
                differing += decide(narrow, narrow) != decide(wide, wide);
            }
        }
    }
    // Otherwise the two strengths could not be told apart and the checks above prove nothing.
    EXPECT_GT(differing, 10);
}
