// How the computer and the players' requests choose each fencer's next action.

#include "PisteFixture.h"

#include <gtest/gtest.h>

#include <set>

using namespace pistework;
using namespace pistework::testing;
using namespace pistework::game;

namespace {

// Left fencer standing at 106 (body 149), right fencer standing `gap` px further on.
void AtGap(Piste& p, int gap, int leftA = 106) { p.OnGuard(leftA, leftA + gap - 64); }

// Puts a fencer into an action without moving its reference points.
void Become(FencerState& f, int action, int frameIndex, int frameCount, bool inLunge = false,
            bool armExtended = false) {
    f.action = static_cast<std::uint8_t>(action);
    f.frameIndex = frameIndex;
    f.frameCount = frameCount;
    f.inLunge = inLunge;
    f.armExtended = armExtended;
}

std::int64_t SecondWhereFirstDrawIs(int range, int value) {
    return SecondWhere([=](platform::LcgRandom& r) { return r.Next() % range == value; });
}

} // namespace

TEST(Opponent, DistanceChoosesFarMiddleOrCloseRules) {
    // A prepared attack tells the rules apart whatever the draws: far launches a flèche at
    // once, middle waits one decision and then lunges, close leaves it alone.
    struct Case {
        int gap;
        const char* rules;
    };
    for (Case k : {Case{111, "far"}, Case{110, "middle"}, Case{60, "middle"}, Case{59, "close"}}) {
        SCOPED_TRACE(k.rules + std::string(" at ") + std::to_string(k.gap));
        Piste p;
        AtGap(p, k.gap);
        ASSERT_EQ(p.game.gap(), k.gap);
        p.A().inLunge = true; // launched whatever the posture
        p.game.attackPrepared[kLeft] = true;
        p.game.ChooseOpponentAction(kLeft);
        const std::string rules = k.rules;
        if (rules == "far") {
            EXPECT_EQ(p.A().action, Fleche);
            EXPECT_FALSE(p.game.attackPrepared[kLeft]);
        } else if (rules == "middle") {
            EXPECT_EQ(p.A().action, Stand);
            EXPECT_EQ(p.game.preparedCount[kLeft], 1);
            p.game.ChooseOpponentAction(kLeft);
            EXPECT_EQ(p.A().action, Lunge);
            EXPECT_FALSE(p.game.attackPrepared[kLeft]);
        } else {
            EXPECT_TRUE(p.game.attackPrepared[kLeft]);
            EXPECT_EQ(p.game.preparedCount[kLeft], 0);
        }
    }
}

TEST(Opponent, NoRetreatWithLessThanThirtyPixelsBehind) {
    for (int room : {29, 30}) {
        SCOPED_TRACE("room behind " + std::to_string(room));
        const int expected = room < 30 ? Stand : Retreat;
        Piste p;
        p.OnGuard(room, 244);
        EXPECT_EQ(p.game.roomBehind(kLeft), room);
        p.A().requestedAction = Retreat;
        p.game.ChoosePlayerAction(kLeft);
        EXPECT_EQ(p.A().action, expected);
        p.A().requestedAction = RetreatExtended;
        p.A().armExtended = true;
        p.game.ChoosePlayerAction(kLeft);
        EXPECT_EQ(p.A().action, RetreatExtended) << "only the bent-arm retreat is held back";

        p.OnGuard(106, 350 - room);
        EXPECT_EQ(p.game.roomBehind(kRight), room);
        p.B().requestedAction = Retreat;
        p.game.ChoosePlayerAction(kRight);
        EXPECT_EQ(p.B().action, expected);

        // The computer's far retreat (first draw 5) turns into an advance instead.
        Piste far(SecondWhereFirstDrawIs(12, 5) * 1000);
        AtGap(far, 200, room);
        far.game.ChooseOpponentAction(kLeft);
        EXPECT_EQ(far.A().action, room < 30 ? Advance : Retreat);
    }
}

TEST(Opponent, DecisionsInOneSecondDrawAlike) {
    std::set<int> choices;
    for (std::int64_t s = 0; s < 20; ++s) {
        for (int gap : {40, 90, 200}) {
            Piste p((1'700'000'000 + s) * 1000 + 250);
            AtGap(p, gap);
            const FencerState start = p.A();
            p.game.ChooseOpponentAction(kLeft);
            const FencerState first = p.A();
            const bool prepared = p.game.attackPrepared[kLeft];
            p.A() = start;
            p.game.attackPrepared[kLeft] = false;
            p.form.scheduler.RunFor(700); // still the same whole second
            p.game.ChooseOpponentAction(kLeft);
            EXPECT_EQ(p.A().action, first.action) << "second " << s << " gap " << gap;
            EXPECT_EQ(p.A().armExtended, first.armExtended);
            EXPECT_EQ(p.game.attackPrepared[kLeft], prepared);
            choices.insert(first.action);
        }
    }
    EXPECT_GE(choices.size(), 4u) << "different seconds choose differently";
}

TEST(Opponent, RecoveringForwardsCloseInCommitsToAdvancing) {
    Piste p(SecondWhereFirstDrawIs(12, 0) * 1000);
    AtGap(p, 40);
    p.A().inLunge = true;
    p.game.ChooseOpponentAction(kLeft);
    EXPECT_EQ(p.A().action, RecoverForward);
    EXPECT_TRUE(p.game.keepAdvancing[kLeft]);

    // Out of the lunge it advances at every decision and neither parries nor varies its step.
    p.B().action = Lunge;
    for (int gap : {40, 90, 200}) {
        p.B().bodyX = p.A().bodyX + gap;
        Become(p.A(), Stand, 1, 1);
        p.game.ChooseOpponentAction(kLeft);
        EXPECT_EQ(p.A().action, Advance);
        Become(p.A(), Advance, 1, 5);
        EXPECT_TRUE(p.game.ParryReaction(kLeft));
        EXPECT_EQ(p.A().action, Advance);
    }

    // At far distance the same draw recovers forwards without the commitment.
    Piste q(SecondWhereFirstDrawIs(12, 0) * 1000);
    AtGap(q, 200);
    q.A().inLunge = true;
    q.game.ChooseOpponentAction(kLeft);
    EXPECT_EQ(q.A().action, RecoverForward);
    EXPECT_FALSE(q.game.keepAdvancing[kLeft]);
}

TEST(Opponent, RedCardsCountOnlyWhileTheYellowIsHeld) {
    // Far attack draw (a = 7, b <= 2), arm out: a flèche, unless red cards turn it into an
    // armed advance.
    const std::int64_t s = SecondWhere([](platform::LcgRandom& r) {
        const int a = r.Next() % 12;
        return a == 7 && r.Next() % 6 <= 2;
    });
    for (bool yellow : {false, true}) {
        Piste p(s * 1000);
        AtGap(p, 200);
        p.A().armExtended = true;
        p.game.yellowA = yellow;
        p.form.lblRedCount0.SetCaption("9");
        p.game.ChooseOpponentAction(kLeft);
        EXPECT_EQ(p.A().action, yellow ? AdvanceExtended : Fleche) << "yellow " << yellow;
    }
    Piste p;
    EXPECT_EQ(p.game.RandomBelow(0), 0);
    EXPECT_EQ(p.game.RandomBelow(-3), 0) << "an edited range below 5 must not break the draw";
}

TEST(Opponent, ReactionsParryThreatsAndAwaitDistantFleches) {
    const std::int64_t low = SecondWhereFirstDrawIs(14, 3);  // a <= 5: the parry goes through
    const std::int64_t high = SecondWhereFirstDrawIs(14, 9); // a > 5: no reaction
    struct Case {
        std::int64_t second;
        int gap;
        int other;
        bool inLunge;
        bool reacted;
        int action;
    };
    for (Case k : {Case{low, 90, StandExtended, false, true, Parry},
                   Case{low, 90, Lunge, true, true, LungeParry},
                   Case{low, 90, Stand, false, false, Advance},
                   Case{low, 101, AdvanceExtended, false, false, Advance},
                   Case{high, 90, Lunge, false, false, Advance},
                   Case{high, 151, Fleche, false, true, Stand},
                   Case{low, 140, FlecheRun, false, true, Parry}}) {
        SCOPED_TRACE("gap " + std::to_string(k.gap) + " other " + std::to_string(k.other));
        Piste p(k.second * 1000);
        AtGap(p, k.gap);
        Become(p.A(), Advance, 2, 5, k.inLunge);
        p.B().action = static_cast<std::uint8_t>(k.other);
        EXPECT_EQ(p.game.ParryReaction(kLeft), k.reacted);
        EXPECT_EQ(p.A().action, k.action);
        EXPECT_EQ(p.A().frameIndex, 2) << "a reaction keeps the running frame";
    }
    // A double parry is not cut down to a single parry that would run out of frames.
    for (int frame : {2, 7}) {
        Piste q(low * 1000);
        AtGap(q, 90);
        Become(q.A(), DoubleParry, frame, 10);
        q.B().action = Lunge;
        EXPECT_TRUE(q.game.ParryReaction(kLeft));
        EXPECT_EQ(q.A().action, DoubleParry);
    }
    // A lunging computer is busy.
    Piste p(low * 1000);
    AtGap(p, 90);
    p.A().action = Lunge;
    p.B().action = Lunge;
    EXPECT_TRUE(p.game.ParryReaction(kLeft));
    EXPECT_EQ(p.A().action, Lunge);
}

TEST(Opponent, ArmAndStepVariation) {
    // a < 2 toggles the arm within 120 px; beyond 121 the arm is always dropped.
    const std::int64_t toggle = SecondWhere([](platform::LcgRandom& r) {
        const int a = r.Next() % 12;
        return a < 2 && r.Next() % 10 >= 2;
    });
    for (int gap : {120, 121, 122}) {
        Piste p(toggle * 1000);
        AtGap(p, gap);
        Become(p.A(), Advance, 1, 5, false, true);
        const int action = p.game.ArmAndStepVariation(kLeft);
        EXPECT_EQ(p.A().armExtended, gap == 121) << "gap " << gap;
        EXPECT_EQ(action, Retreat) << "frame 1 of a step turns round";
    }
    for (int frame : {0, 1, 2, 3}) {
        Piste p(toggle * 1000);
        AtGap(p, 200);
        Become(p.A(), RetreatExtended, frame, 5);
        EXPECT_EQ(p.game.ArmAndStepVariation(kLeft),
                  frame == 1 || frame == 2 ? AdvanceExtended : RetreatExtended);
        p.A().action = Recover;
        EXPECT_EQ(p.game.ArmAndStepVariation(kLeft), Recover);
    }
}

TEST(PlayerChoice, RequestsAreFilteredByPosture) {
    Piste p;
    p.OnGuard();
    FencerState& a = p.A();
    auto choose = [&](int request, bool inLunge, bool armExtended, bool inFleche = false) {
        a = FencerState{Stand, static_cast<std::uint8_t>(request), inLunge, false, inFleche,
                        armExtended, 1, 1, 0, 0, 0};
        p.game.ChoosePlayerAction(kLeft);
        return static_cast<int>(a.action);
    };
    EXPECT_EQ(choose(Lunge, false, true), Lunge);
    EXPECT_EQ(choose(Lunge, false, false), Stand) << "the arm was bent again";
    EXPECT_EQ(choose(Lunge, true, true), Recover) << "already in a lunge";
    EXPECT_EQ(choose(Fleche, false, false), Stand) << "no flèche without the arm out";
    EXPECT_EQ(choose(ExtendInLunge, true, false), ExtendInLunge);
    EXPECT_EQ(a.requestedAction, StandExtended) << "the extended arm stays in line";
    // A flèche runs on, whatever was asked, and the request waits.
    EXPECT_EQ(choose(Retreat, false, true, true), FlecheRun);
    EXPECT_EQ(a.requestedAction, Retreat);
    EXPECT_EQ(choose(Retreat, false, false, true), FlecheRunParried);
}
