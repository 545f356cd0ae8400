// Parries, hits, counter-attacks and passes, as the fencer ticks find them.

#include "PisteFixture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace pistework;
using namespace pistework::testing;

namespace {

void TickLeft(Piste& p, int n) {
    for (int i = 0; i < n; ++i) p.game.TimerLeftTimer();
}

// A two-player left fencer lunging with the arm out from 106, its point reaching 251.
void LeftLungesAt(Piste& p, int rightLeft) {
    p.TwoPlayers();
    p.OnGuard(106, rightLeft);
    p.form.Menu("SoundOn").Click();
    p.Fence();
    p.game.ExtendCommand(kLeft);
    p.game.LungeCommand(kLeft);
}

// Puts the right fencer in a parry whose next frame is the first that can catch.
void RightParriesNow(Piste& p) {
    p.B().action = game::Parry;
    p.B().frameCount = 6;
    p.B().frameIndex = 2;
    p.game.UpdatePoints(kRight);
}

} // namespace

TEST(Hits, ALungeLandsOnTargetOffTargetOrNotAtAllByHowFarItReaches) {
    struct Case {
        int f; // how far the point goes past the body point
        bool hit;
        bool offTarget;
    };
    for (Case k : {Case{0, true, false}, Case{5, true, false}, Case{10, true, false},
                   Case{-5, true, true}, Case{-10, false, false}, Case{15, false, false}}) {
        SCOPED_TRACE("f = " + std::to_string(k.f));
        Piste p;
        // The right fencer's body point stands at 251 - f.
        LeftLungesAt(p, 251 - k.f - 107);
        TickLeft(p, 5);
        ASSERT_EQ(p.form.imgFencerA.PictureName(), "LUNGE4A");
        ASSERT_FALSE(p.game.hitByA) << "nothing lands before the lunge has arrived";
        TickLeft(p, 1);

        EXPECT_EQ(p.game.hitByA, k.hit);
        EXPECT_EQ(p.game.offTarget, k.offTarget);
        EXPECT_EQ(p.form.imgFencerA.PictureName(), "LUNGE4A");
        EXPECT_TRUE(p.A().inLunge);
        if (k.hit) {
            EXPECT_TRUE(p.Halted());
            EXPECT_EQ(p.game.callText, "Attack from the Left");
            EXPECT_EQ(p.game.presidentPhase, 4);
            EXPECT_TRUE(p.form.TimerPresident.Enabled());
            EXPECT_TRUE(p.form.TimerLight.Enabled());
            EXPECT_EQ(p.form.MediaPlayer.Played(), std::vector<std::string>{"beep.wav"});
        } else {
            EXPECT_TRUE(p.form.TimerLeft.Enabled());
            EXPECT_TRUE(p.form.TimerRight.Enabled());
            EXPECT_FALSE(p.form.TimerPresident.Enabled());
            EXPECT_TRUE(p.form.MediaPlayer.Played().empty());
        }
    }

    // Without sound the hit is silent, but the beep is still chosen.
    Piste p;
    LeftLungesAt(p, 144);
    p.form.Menu("SoundOn").Click();
    TickLeft(p, 6);
    EXPECT_TRUE(p.game.hitByA);
    EXPECT_TRUE(p.form.MediaPlayer.Played().empty());
    EXPECT_EQ(p.form.MediaPlayer.FileName(), "beep.wav");
}

TEST(Hits, SimultaneousLungesGiveTheLaterOneWithACounterAttackCalled) {
    for (bool rightFirst : {true, false}) {
        SCOPED_TRACE(rightFirst ? "right ticks first" : "left ticks first");
        Piste p;
        p.TwoPlayers();
        p.OnGuard(106, 164);
        p.form.TimerLeft.SetInterval(100);
        for (int side : {kLeft, kRight}) {
            p.game.ExtendCommand(side);
            p.game.LungeCommand(side);
        }
        if (rightFirst) {
            p.Fence();
        } else {
            p.form.TimerLeft.SetEnabled(true);
            p.form.TimerRight.SetEnabled(true);
        }
        ASSERT_TRUE(p.form.scheduler.RunUntilTrue([&] { return p.Halted(); }, 2000));
        if (rightFirst) {
            EXPECT_EQ(p.game.callText, "Attack from the Left\rCounter Attack from the Right");
            EXPECT_TRUE(p.game.hitByA);
            EXPECT_TRUE(p.game.counterB);
        } else {
            EXPECT_EQ(p.game.callText, "Attack from the Right\rCounter Attack from the Left");
            EXPECT_TRUE(p.game.hitByB);
            EXPECT_TRUE(p.game.counterA);
        }
        EXPECT_FALSE(p.game.offTarget);
    }
}

TEST(Hits, AFlecheScoresOnlyExactlyOnTargetAndNotAgainstABentArmLunge) {
    struct Case {
        int rightLeft;
        bool bentLunge;
        bool extendedLunge;
        bool hit;
    };
    // The flèche's point reaches 261 on its fifth frame.
    for (Case k : {Case{154, false, false, true}, Case{149, false, false, false},
                   Case{159, false, false, false}, Case{174, true, false, false},
                   Case{174, false, true, true}}) {
        SCOPED_TRACE("right at " + std::to_string(k.rightLeft));
        Piste p;
        p.TwoPlayers();
        p.OnGuard(106, k.rightLeft);
        p.B().inLunge = k.bentLunge || k.extendedLunge;
        p.B().armBent = k.bentLunge;
        p.game.UpdatePoints(kRight);
        p.game.ExtendCommand(kLeft);
        p.game.FlecheCommand(kLeft);
        TickLeft(p, 5);
        ASSERT_EQ(p.form.imgFencerA.PictureName(), "FLECHE4A");
        TickLeft(p, 1);
        EXPECT_EQ(p.game.hitByA, k.hit);
        EXPECT_FALSE(p.game.offTarget) << "a flèche never scores off target";
    }
}

TEST(Parries, AParryCatchesOnlyAnExtendedBladeWithinReachOfTheHand) {
    // The lunging hand stands at 225; the parrying hand at the right fencer's Left + 56.
    struct Case {
        int rightLeft;
        bool caught;
    };
    for (Case k : {Case{169, true}, Case{139, true}, Case{144, true}, Case{170, false},
                   Case{138, false}}) {
        SCOPED_TRACE("right at " + std::to_string(k.rightLeft));
        Piste p;
        LeftLungesAt(p, k.rightLeft);
        TickLeft(p, 5);
        RightParriesNow(p);
        TickLeft(p, 1);
        EXPECT_EQ(!p.A().armExtended, k.caught) << "a parried lunge ends with the blade aside";
        EXPECT_FALSE(p.game.hitByA) << "at 144 the lunge would have landed had it not been caught";
        EXPECT_EQ(p.form.MediaPlayer.Played(),
                  k.caught ? std::vector<std::string>{"start.wav"} : std::vector<std::string>{});
    }

    // A bent-arm lunge is caught only while the arm happens to be out.
    Piste p;
    p.TwoPlayers();
    p.OnGuard(106, 244);
    p.game.LungeCommand(kLeft);
    TickLeft(p, 3);
    ASSERT_EQ(p.A().action, game::BentLunge);
    p.form.imgFencerB.SetLeft(p.A().guardX - 56);
    RightParriesNow(p);
    TickLeft(p, 1);
    EXPECT_EQ(p.A().action, game::BentLunge);
    p.game.ExtendCommand(kLeft);
    p.form.imgFencerB.SetLeft(p.A().guardX - 56);
    RightParriesNow(p);
    TickLeft(p, 1);
    EXPECT_EQ(p.A().action, game::LungeParried);
    EXPECT_EQ(p.A().frameCount, 5);

    // A recovery cannot be parried and makes no sound.
    Piste r;
    r.TwoPlayers();
    r.OnGuard(106, 244);
    r.form.Menu("SoundOn").Click();
    r.A() = FencerState{game::Recover, 0, true, false, false, true, 1, 5, 0, 0, 0};
    r.game.UpdatePoints(kLeft);
    r.form.imgFencerB.SetLeft(r.A().guardX - 56);
    RightParriesNow(r);
    TickLeft(r, 1);
    EXPECT_EQ(r.A().action, game::Recover);
    EXPECT_EQ(r.form.MediaPlayer.FileName(), "");
    EXPECT_TRUE(r.form.MediaPlayer.Played().empty());
}

TEST(Passing, OnlyTheLeftTickCallsFencersWhoHaveRunPastEachOther) {
    for (int leftA : {318, 319}) {
        SCOPED_TRACE("left fencer at " + std::to_string(leftA));
        Piste p;
        p.TwoPlayers();
        p.OnGuard(leftA, 244);
        p.form.Menu("SoundOn").Click();
        p.Fence();
        p.game.TimerRightTimer();
        EXPECT_TRUE(p.form.TimerRight.Enabled()) << "the right tick never checks for a pass";
        EXPECT_FALSE(p.game.passed);
        p.game.TimerLeftTimer();
        const bool passed = leftA == 319; // body points crossed by more than 10 px
        EXPECT_EQ(p.game.passed, passed);
        EXPECT_EQ(p.Halted(), passed);
        if (!passed) continue;
        EXPECT_EQ(p.game.callText, "Opponent Passed");
        EXPECT_EQ(p.game.presidentPhase, 4);
        EXPECT_TRUE(p.form.TimerPresident.Enabled());
        EXPECT_FALSE(p.form.TimerLight.Enabled()) << "no lamps for a pass";
        EXPECT_TRUE(p.form.MediaPlayer.Played().empty());
        EXPECT_FALSE(p.game.offenceA || p.game.offenceB);
    }
}

TEST(Passing, RunningPastInAFlecheTooSoonIsCorpsACorps) {
    // Passes by the left fencer in a flèche, `elapsed` seconds of bout clock after the last.
    auto outcomes = [](int lastPass, int clock, bool leftRuns, bool rightRuns) {
        std::set<std::string> calls;
        for (std::int64_t s = 0; s < 30; ++s) {
            Piste p((1'700'000'000 + s) * 1000);
            p.OnGuard();
            p.A().inFleche = leftRuns;
            p.B().inFleche = rightRuns;
            p.game.boutClock = clock;
            p.game.lastPassA = p.game.lastPassB = lastPass;
            p.game.PassingRuling();
            calls.insert(p.game.callText);
            EXPECT_EQ(p.game.offenceA, leftRuns && !rightRuns && p.game.callText != "Opponent Passed");
            EXPECT_EQ(p.game.offenceB, rightRuns && !leftRuns && p.game.callText != "Opponent Passed");
            EXPECT_EQ(p.game.lastPassA, leftRuns && !rightRuns ? clock : lastPass);
            EXPECT_TRUE(p.game.passed);
        }
        return calls;
    };
    const std::set<std::string> always{game::kCorpsACorps}, never{"Opponent Passed"},
        either{game::kCorpsACorps, "Opponent Passed"};
    EXPECT_EQ(outcomes(540, 536, true, false), always) << "4 s after the bout began";
    EXPECT_EQ(outcomes(540, 525, true, false), never) << "15 s after it";
    EXPECT_EQ(outcomes(540, 531, true, false), either) << "9 s: up to the draw";
    EXPECT_EQ(outcomes(540, 536, false, true), always) << "the right fencer alike";
    EXPECT_EQ(outcomes(540, 536, true, true), never) << "both running is no offence";
    EXPECT_EQ(outcomes(540, 536, false, false), never);
    // Across the wrap of the hidden clock, 0:01 to 8:59 is three seconds of fencing...
    EXPECT_EQ(outcomes(1, 539, true, false), always);
    // ...and a later reading above an earlier one never makes a pass minutes apart an offence.
    EXPECT_EQ(outcomes(100, 400, true, false), never);
}

TEST(Phrase, ThePlayerAdvancesExtendsAndLungesHome) {
    Piste p;
    p.TwoPlayers();
    p.OnGuard(106, 154);
    p.form.TimerLeft.SetInterval(100);
    p.Fence();
    auto& sched = p.form.scheduler;
    auto& imgB = p.form.imgFencerB;

    p.form.txtKeyboard.Type(U'm');
    ASSERT_TRUE(sched.RunUntilTrue([&] { return imgB.Left() == 144; }, 2000));
    p.form.txtKeyboard.Type(U'k');
    ASSERT_TRUE(sched.RunUntilTrue([&] { return imgB.PictureName() == "ENGARDEXB"; }, 500));
    p.form.txtKeyboard.Type(U'o');
    ASSERT_TRUE(sched.RunUntilTrue([&] { return imgB.PictureName() == "LUNGE4B"; }, 2000));
    const auto shown = sched.Now();
    ASSERT_FALSE(p.Halted());
    ASSERT_TRUE(sched.RunUntilTrue([&] { return p.Halted(); }, 1000));
    EXPECT_EQ(sched.Now() - shown, 100) << "the hit lands on the next right tick";
    EXPECT_EQ(p.game.callText, "Attack from the Right");
    EXPECT_TRUE(p.game.hitByB);
    EXPECT_FALSE(p.game.hitByA);
    EXPECT_FALSE(p.game.offTarget);
    EXPECT_EQ(imgB.PictureName(), "LUNGE4B");
    EXPECT_EQ(p.form.imgFencerA.PictureName(), "ENGARDEA");
}
