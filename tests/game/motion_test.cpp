// SPDX-License-Identifier: GPL-3.0-or-later
// Frames, movement and reference points of one fencer, tick by tick.

#include "PisteFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace pistework;
using namespace pistework::testing;
using game::Action;
using game::Side;

namespace {

struct Seen {
    std::vector<std::string> pictures;
    std::vector<int> lefts;
    std::vector<int> bodies;
};

// Runs n ticks of one fencer and records what the player sees after each.
Seen Tick(Piste& p, Side side, int n) {
    Seen seen;
    const game::FencerView& shown = p.game.View().fencers[side];
    for (int i = 0; i < n; ++i) {
        p.probe.FencerTick(side);
        seen.pictures.push_back(shown.pose);
        seen.lefts.push_back(shown.x);
        seen.bodies.push_back(p.F(side).State().bodyX);
    }
    return seen;
}

using Names = std::vector<std::string>;
using Ints = std::vector<int>;

} // namespace

TEST(Motion, StepsMoveTenPixelsAndTheTargetNeverJumps) {
    Piste p;
    p.TwoPlayers();

    p.OnGuard();
    p.A().Advance();
    Seen s = Tick(p, Side::Left, 6);
    EXPECT_EQ(s.pictures, (Names{"ENGARDEA", "STEP1A", "STEP2A", "STEP3A", "STEP4A", "ENGARDEA"}));
    EXPECT_EQ(s.lefts, (Ints{106, 106, 106, 106, 106, 116})) << "an advance moves when it ends";
    for (std::size_t i = 1; i < s.bodies.size(); ++i)
        EXPECT_LE(std::abs(s.bodies[i] - s.bodies[i - 1]), 5) << "tick " << i;
    EXPECT_EQ(s.bodies.back(), 116 + 43);

    p.OnGuard();
    p.A().Retreat();
    s = Tick(p, Side::Left, 6);
    EXPECT_EQ(s.pictures, (Names{"STEP4A", "STEP3A", "STEP2A", "STEP1A", "ENGARDEA", "ENGARDEA"}));
    EXPECT_EQ(s.lefts, (Ints{96, 96, 96, 96, 96, 96})) << "a retreat moves when it begins";
    EXPECT_EQ(s.bodies.front(), 149) << "the target stays put on the first frame of a retreat";
    for (std::size_t i = 1; i < s.bodies.size(); ++i)
        EXPECT_LE(std::abs(s.bodies[i] - s.bodies[i - 1]), 5) << "tick " << i;

    // The right fencer mirrors both.
    p.OnGuard();
    p.Click(game::FencerCommand::Advance);
    EXPECT_EQ(Tick(p, Side::Right, 6).lefts.back(), 234);
    p.OnGuard();
    p.Click(game::FencerCommand::Retreat);
    EXPECT_EQ(Tick(p, Side::Right, 1).lefts.back(), 254);
    EXPECT_EQ(p.B().State().bodyX, 351);
}

TEST(Motion, RecoveriesForwardAndFlechesCarryTheFencer) {
    Piste p;
    p.TwoPlayers();

    // Out of a held lunge, bringing the rear foot up: 10 px on each of frames 1 to 4.
    p.OnGuard();
    p.A().SetPosture({true, false, false, true});
    p.A().Fleche();
    Seen s = Tick(p, Side::Left, 6);
    s.pictures.pop_back();
    EXPECT_EQ(s.pictures, (Names{"LUNGE4A", "LUNGE3A", "LUNGE2A", "LUNGE1A", "ENGARDEA"}));
    EXPECT_EQ(s.lefts, (Ints{106, 116, 126, 136, 146, 146}));
    for (std::size_t i = 1; i < s.bodies.size(); ++i)
        EXPECT_GE(s.bodies[i], s.bodies[i - 1]) << "the target never falls back, tick " << i;
    EXPECT_FALSE(p.A().State().inLunge);
    EXPECT_FALSE(p.A().State().armExtended);

    // A flèche start and two runs: 30 px at the end of each, and it runs on unasked.
    p.OnGuard(106, 600);
    p.A().Extend();
    p.A().Fleche();
    s = Tick(p, Side::Left, 12);
    EXPECT_EQ(s.pictures[4], "FLECHE4A");
    EXPECT_EQ(s.pictures[5], "FLECHE2A");
    EXPECT_EQ(s.lefts[4], 106);
    EXPECT_EQ(s.lefts[5], 136);
    EXPECT_EQ(s.lefts[8], 166);
    EXPECT_EQ(s.lefts[11], 196);
    EXPECT_TRUE(p.A().State().inFleche);
    EXPECT_EQ(p.A().CurrentAction(), Action::FlecheRun);
    for (const auto& name : s.pictures)
        EXPECT_NE(name, "A") << "an empty table entry was shown";

    // The flèche start leaves its run-up picture standing while it jumps.
    p.OnGuard(106, 600);
    p.Playing(Side::Left, Action::Fleche, 5);
    ASSERT_TRUE(p.A().EndSequence());
    EXPECT_EQ(p.Pose(Side::Left), "FLECHE1A");
    EXPECT_EQ(p.A().Left(), 136);
}

TEST(Motion, ParriedFormsAndHeldLungesShowTheirOwnPictures) {
    Piste p;
    p.TwoPlayers();

    // A parried advance ends on guard, one step on, with the blade back in hand.
    p.OnGuard();
    p.Playing(Side::Left, Action::AdvanceParried, 0, {false, false, false, true});
    Seen s = Tick(p, Side::Left, 6);
    EXPECT_EQ(s.pictures,
              (Names{"ENGARDEPA", "STEP1PA", "STEP2PA", "STEP3PA", "STEP4PA", "ENGARDEA"}));
    EXPECT_EQ(s.lefts.back(), 116);
    EXPECT_FALSE(p.A().State().armExtended);

    p.OnGuard();
    p.Playing(Side::Left, Action::StandParried, 0);
    EXPECT_EQ(Tick(p, Side::Left, 2).pictures, (Names{"ENGARDEPA", "ENGARDEPA"}));

    // Standing in a lunge shows the held lunge, bent or extended.
    p.OnGuard();
    p.A().SetPosture({true, false, false, false});
    EXPECT_EQ(Tick(p, Side::Left, 1).pictures.back(), "LUNGE4A");
    p.A().SetPosture({true, true, false, false});
    EXPECT_EQ(Tick(p, Side::Left, 1).pictures.back(), "CRAMP4A");
    p.B().SetPosture({true, true, false, false});
    p.B().SetAction(Action::StandExtended);
    EXPECT_EQ(Tick(p, Side::Right, 1).pictures.back(), "CRAMP4B");
}

TEST(Motion, ReferencePointsFollowTheFrameShown) {
    Piste p;
    p.TwoPlayers();
    p.OnGuard();
    const FencerState& a = p.A().State();
    const FencerState& b = p.B().State();
    EXPECT_EQ(a.tipX, 221);
    EXPECT_EQ(a.guardX, 195);
    EXPECT_EQ(a.bodyX, 149);
    EXPECT_EQ(b.tipX, 279);
    EXPECT_EQ(b.guardX, 305);
    EXPECT_EQ(b.bodyX, 351);
    EXPECT_EQ(game::Gap(p.A(), p.B()), 202);
    EXPECT_EQ(game::Gap(p.B(), p.A()), 202) << "whichever fencer asks";

    p.A().Extend();
    p.A().Lunge();
    const Seen s = Tick(p, Side::Left, 5);
    ASSERT_EQ(s.pictures.back(), "LUNGE4A");
    EXPECT_EQ(a.tipX, 251);
    EXPECT_EQ(a.guardX, 225);
    EXPECT_EQ(a.bodyX, 174);
}

TEST(Motion, AttackersAndCatchingParriesAreDrawnInFront) {
    Piste p;
    p.TwoPlayers();
    p.OnGuard(106, 600);
    const Side& inFront = p.game.View().inFront;

    p.probe.BringToFront(Side::Right);
    p.A().Extend();
    p.A().Lunge();
    Tick(p, Side::Left, 2);
    EXPECT_EQ(inFront, Side::Left) << "a lunging fencer is drawn over the other";

    // A parry comes to the front only in the frames where it can catch.
    p.OnGuard(106, 600);
    p.probe.BringToFront(Side::Left);
    p.Click(game::FencerCommand::Parry);
    Tick(p, Side::Right, 2); // stand ends, parry frames 0 and 1
    EXPECT_EQ(inFront, Side::Left);
    Tick(p, Side::Right, 1); // frame 2
    EXPECT_EQ(inFront, Side::Right);

    // A parried lunge stays behind.
    p.OnGuard(106, 600);
    p.probe.BringToFront(Side::Right);
    p.Playing(Side::Left, Action::LungeParried, 0);
    Tick(p, Side::Left, 3);
    EXPECT_EQ(inFront, Side::Right);
}

TEST(Motion, EndSequenceBeforeTheLastFrameChangesNothing) {
    Piste p;
    p.OnGuard();
    p.Playing(Side::Left, Action::Advance, 2);
    const FencerState before = p.A().State();
    const game::FencerView shown = p.game.View().fencers[Side::Left];

    EXPECT_FALSE(p.A().EndSequence());
    EXPECT_EQ(p.A().State().frameIndex, before.frameIndex);
    EXPECT_EQ(p.A().CurrentAction(), before.action);
    EXPECT_EQ(p.A().Left(), shown.x);
    EXPECT_EQ(p.game.View().fencers[Side::Left], shown);
}
