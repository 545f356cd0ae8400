// Frames, movement and reference points of one fencer, tick by tick.

#include "PisteFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace pistework;
using namespace pistework::testing;
using game::Game;

namespace {

struct Seen {
    std::vector<std::string> pictures;
    std::vector<int> lefts;
    std::vector<int> bodies;
};

// Runs n ticks of one fencer and records what the player sees after each.
Seen Tick(Piste& p, int side, int n) {
    Seen seen;
    auto& img = side == kLeft ? p.form.imgFencerA : p.form.imgFencerB;
    for (int i = 0; i < n; ++i) {
        side == kLeft ? p.game.TimerLeftTimer() : p.game.TimerRightTimer();
        seen.pictures.push_back(img.PictureName());
        seen.lefts.push_back(img.Left());
        seen.bodies.push_back(p.game.fencer[side].bodyX);
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
    p.game.AdvanceCommand(kLeft);
    Seen s = Tick(p, kLeft, 6);
    EXPECT_EQ(s.pictures, (Names{"ENGARDEA", "STEP1A", "STEP2A", "STEP3A", "STEP4A", "ENGARDEA"}));
    EXPECT_EQ(s.lefts, (Ints{106, 106, 106, 106, 106, 116})) << "an advance moves when it ends";
    for (std::size_t i = 1; i < s.bodies.size(); ++i)
        EXPECT_LE(std::abs(s.bodies[i] - s.bodies[i - 1]), 5) << "tick " << i;
    EXPECT_EQ(s.bodies.back(), 116 + 43);

    p.OnGuard();
    p.game.RetreatCommand(kLeft);
    s = Tick(p, kLeft, 6);
    EXPECT_EQ(s.pictures, (Names{"STEP4A", "STEP3A", "STEP2A", "STEP1A", "ENGARDEA", "ENGARDEA"}));
    EXPECT_EQ(s.lefts, (Ints{96, 96, 96, 96, 96, 96})) << "a retreat moves when it begins";
    EXPECT_EQ(s.bodies.front(), 149) << "the target stays put on the first frame of a retreat";
    for (std::size_t i = 1; i < s.bodies.size(); ++i)
        EXPECT_LE(std::abs(s.bodies[i] - s.bodies[i - 1]), 5) << "tick " << i;

    // The right fencer mirrors both.
    p.OnGuard();
    p.game.cmdAdvanceClick();
    EXPECT_EQ(Tick(p, kRight, 6).lefts.back(), 234);
    p.OnGuard();
    p.game.cmdRetreatClick();
    EXPECT_EQ(Tick(p, kRight, 1).lefts.back(), 254);
    EXPECT_EQ(p.B().bodyX, 351);
}

TEST(Motion, RecoveriesForwardAndFlechesCarryTheFencer) {
    Piste p;
    p.TwoPlayers();

    // Out of a held lunge, bringing the rear foot up: 10 px on each of frames 1 to 4.
    p.OnGuard();
    p.A().inLunge = true;
    p.A().armExtended = true;
    p.game.FlecheCommand(kLeft);
    Seen s = Tick(p, kLeft, 6);
    s.pictures.pop_back();
    EXPECT_EQ(s.pictures, (Names{"LUNGE4A", "LUNGE3A", "LUNGE2A", "LUNGE1A", "ENGARDEA"}));
    EXPECT_EQ(s.lefts, (Ints{106, 116, 126, 136, 146, 146}));
    for (std::size_t i = 1; i < s.bodies.size(); ++i)
        EXPECT_GE(s.bodies[i], s.bodies[i - 1]) << "the target never falls back, tick " << i;
    EXPECT_FALSE(p.A().inLunge);
    EXPECT_FALSE(p.A().armExtended);

    // A flèche start and two runs: 30 px at the end of each, and it runs on unasked.
    p.OnGuard(106, 600);
    p.game.ExtendCommand(kLeft);
    p.game.FlecheCommand(kLeft);
    s = Tick(p, kLeft, 12);
    EXPECT_EQ(s.pictures[4], "FLECHE4A");
    EXPECT_EQ(s.pictures[5], "FLECHE2A");
    EXPECT_EQ(s.lefts[4], 106);
    EXPECT_EQ(s.lefts[5], 136);
    EXPECT_EQ(s.lefts[8], 166);
    EXPECT_EQ(s.lefts[11], 196);
    EXPECT_TRUE(p.A().inFleche);
    EXPECT_EQ(p.A().action, game::FlecheRun);
    for (const auto& name : s.pictures) EXPECT_NE(name, "A") << "an empty table entry was shown";

    // The flèche start leaves its run-up picture standing while it jumps.
    p.OnGuard(106, 600);
    p.A().action = game::Fleche;
    p.A().frameIndex = 5;
    p.A().frameCount = 5;
    ASSERT_TRUE(p.game.EndSequence(kLeft));
    EXPECT_EQ(p.form.imgFencerA.PictureName(), "FLECHE1A");
    EXPECT_EQ(p.form.imgFencerA.Left(), 136);
}

TEST(Motion, ParriedFormsAndHeldLungesShowTheirOwnPictures) {
    Piste p;
    p.TwoPlayers();

    // A parried advance ends on guard, one step on, with the blade back in hand.
    p.OnGuard();
    p.A().action = game::AdvanceParried;
    p.A().armExtended = true;
    p.A().frameCount = 5;
    p.A().frameIndex = 0;
    Seen s = Tick(p, kLeft, 6);
    EXPECT_EQ(s.pictures,
              (Names{"ENGARDEPA", "STEP1PA", "STEP2PA", "STEP3PA", "STEP4PA", "ENGARDEA"}));
    EXPECT_EQ(s.lefts.back(), 116);
    EXPECT_FALSE(p.A().armExtended);

    p.OnGuard();
    p.A().action = game::StandParried;
    p.A().frameCount = 2;
    p.A().frameIndex = 0;
    EXPECT_EQ(Tick(p, kLeft, 2).pictures, (Names{"ENGARDEPA", "ENGARDEPA"}));

    // Standing in a lunge shows the held lunge, bent or extended.
    p.OnGuard();
    p.A().inLunge = true;
    EXPECT_EQ(Tick(p, kLeft, 1).pictures.back(), "LUNGE4A");
    p.A().armBent = true;
    EXPECT_EQ(Tick(p, kLeft, 1).pictures.back(), "CRAMP4A");
    p.B().inLunge = true;
    p.B().armBent = true;
    p.B().action = game::StandExtended;
    EXPECT_EQ(Tick(p, kRight, 1).pictures.back(), "CRAMP4B");
}

TEST(Motion, ReferencePointsFollowTheFrameShown) {
    Piste p;
    p.TwoPlayers();
    p.OnGuard();
    EXPECT_EQ(p.A().tipX, 221);
    EXPECT_EQ(p.A().guardX, 195);
    EXPECT_EQ(p.A().bodyX, 149);
    EXPECT_EQ(p.B().tipX, 279);
    EXPECT_EQ(p.B().guardX, 305);
    EXPECT_EQ(p.B().bodyX, 351);
    EXPECT_EQ(p.game.gap(), 202);

    p.game.ExtendCommand(kLeft);
    p.game.LungeCommand(kLeft);
    const Seen s = Tick(p, kLeft, 5);
    ASSERT_EQ(s.pictures.back(), "LUNGE4A");
    EXPECT_EQ(p.A().tipX, 251);
    EXPECT_EQ(p.A().guardX, 225);
    EXPECT_EQ(p.A().bodyX, 174);
}

TEST(Motion, AttackersAndCatchingParriesAreDrawnInFront) {
    Piste p;
    p.TwoPlayers();
    p.OnGuard(106, 600);
    auto& a = p.form.imgFencerA;
    auto& b = p.form.imgFencerB;

    b.BringToFront();
    p.game.ExtendCommand(kLeft);
    p.game.LungeCommand(kLeft);
    Tick(p, kLeft, 2);
    EXPECT_GT(a.ZOrder(), b.ZOrder()) << "a lunging fencer is drawn over the other";

    // A parry comes to the front only in the frames where it can catch.
    p.OnGuard(106, 600);
    a.BringToFront();
    p.game.cmdParryClick();
    Tick(p, kRight, 2); // stand ends, parry frames 0 and 1
    EXPECT_LT(b.ZOrder(), a.ZOrder());
    Tick(p, kRight, 1); // frame 2
    EXPECT_GT(b.ZOrder(), a.ZOrder());

    // A parried lunge stays behind.
    p.OnGuard(106, 600);
    b.BringToFront();
    p.A().action = game::LungeParried;
    p.A().frameCount = 5;
    p.A().frameIndex = 0;
    Tick(p, kLeft, 3);
    EXPECT_LT(a.ZOrder(), b.ZOrder());
}

TEST(Motion, EndSequenceBeforeTheLastFrameChangesNothing) {
    Piste p;
    p.OnGuard();
    p.A().action = game::Advance;
    p.A().frameCount = 5;
    p.A().frameIndex = 2;
    const FencerState before = p.A();
    const auto& img = p.form.imgFencerA;
    const auto& copy = p.form.imgFencerATemp;
    const int loads = img.Loads(), copyLoads = copy.Loads(), left = img.Left();
    const bool copyVisible = copy.Visible();

    EXPECT_FALSE(p.game.EndSequence(kLeft));
    EXPECT_EQ(p.A().frameIndex, before.frameIndex);
    EXPECT_EQ(p.A().action, before.action);
    EXPECT_EQ(img.Loads(), loads);
    EXPECT_EQ(img.Left(), left);
    EXPECT_TRUE(img.Visible());
    EXPECT_EQ(copy.Loads(), copyLoads);
    EXPECT_EQ(copy.Visible(), copyVisible);
}
