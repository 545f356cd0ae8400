// SPDX-License-Identifier: GPL-3.0-or-later
// Parries, hits, counter-attacks and passes, as the fencer ticks find them.

#include "PisteFixture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace pistework;
using namespace pistework::testing;
using game::Call;
using game::RefereeCall;

namespace {

void TickLeft(Piste& p, int n) {
    for (int i = 0; i < n; ++i)
        p.probe.FencerTick(Side::Left);
}

// A two-player left fencer lunging with the arm out from 106, its point reaching 251.
void LeftLungesAt(Piste& p, int rightLeft) {
    p.TwoPlayers();
    p.OnGuard(106, rightLeft);
    p.game.Choose(Verb::ToggleSound);
    p.Fence();
    p.A().Extend();
    p.A().Lunge();
}

// Puts the right fencer in a parry whose next frame is the first that can catch.
void RightParriesNow(Piste& p) {
    p.Playing(Side::Right, Action::Parry, 2);
    p.B().UpdatePoints();
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
        ASSERT_EQ(p.Pose(Side::Left), "LUNGE4A");
        ASSERT_FALSE(p.Outcome().hitBy) << "nothing lands before the lunge has arrived";
        TickLeft(p, 1);

        EXPECT_EQ(p.Outcome().hitBy == Side::Left, k.hit);
        EXPECT_EQ(p.Outcome().offTarget, k.offTarget);
        EXPECT_EQ(p.Pose(Side::Left), "LUNGE4A");
        EXPECT_TRUE(p.A().State().inLunge);
        if (k.hit) {
            EXPECT_TRUE(p.Halted());
            EXPECT_EQ(p.PendingCall(), (RefereeCall{Call::Attack, Side::Left}));
            EXPECT_EQ(p.probe.President().CurrentPhase(), game::Phase::Halt);
            EXPECT_TRUE(p.probe.Timer("TimerPresident").Enabled());
            EXPECT_TRUE(p.probe.Timer("TimerLight").Enabled());
            EXPECT_EQ(p.form.sound.Played(), std::vector<std::string>{"beep.wav"});
        } else {
            EXPECT_TRUE(p.timerLeft.Enabled());
            EXPECT_TRUE(p.timerRight.Enabled());
            EXPECT_FALSE(p.probe.Timer("TimerPresident").Enabled());
            EXPECT_TRUE(p.form.sound.Played().empty());
        }
    }

    // Without sound the hit is silent, but the beep is still chosen.
    Piste p;
    LeftLungesAt(p, 144);
    p.game.Choose(Verb::ToggleSound);
    TickLeft(p, 6);
    EXPECT_EQ(p.Outcome().hitBy, Side::Left);
    EXPECT_TRUE(p.form.sound.Played().empty());
    EXPECT_EQ(p.form.sound.FileName(), "beep.wav");
}

TEST(Hits, SimultaneousLungesGiveTheLaterOneWithACounterAttackCalled) {
    for (bool rightFirst : {true, false}) {
        SCOPED_TRACE(rightFirst ? "right ticks first" : "left ticks first");
        Piste p;
        p.TwoPlayers();
        p.OnGuard(106, 164);
        p.timerLeft.SetInterval(100);
        for (Side side : game::kSides) {
            p.F(side).Extend();
            p.F(side).Lunge();
        }
        if (rightFirst) {
            p.Fence();
        } else {
            p.timerLeft.SetEnabled(true);
            p.timerRight.SetEnabled(true);
        }
        ASSERT_TRUE(p.form.scheduler.RunUntilTrue([&] { return p.Halted(); }, 2000));
        const Side hitter = rightFirst ? Side::Left : Side::Right;
        EXPECT_EQ(p.PendingCall(), (RefereeCall{Call::AttackAndCounter, hitter}));
        EXPECT_EQ(p.Outcome().hitBy, hitter);
        EXPECT_TRUE(p.Outcome().counter[game::Opposite(hitter)]);
        EXPECT_FALSE(p.Outcome().offTarget);
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
        p.B().SetPosture({k.bentLunge || k.extendedLunge, k.bentLunge, false, false});
        p.B().UpdatePoints();
        p.A().Extend();
        p.A().Fleche();
        TickLeft(p, 5);
        ASSERT_EQ(p.Pose(Side::Left), "FLECHE4A");
        TickLeft(p, 1);
        EXPECT_EQ(p.Outcome().hitBy == Side::Left, k.hit);
        EXPECT_FALSE(p.Outcome().offTarget) << "a flèche never scores off target";
    }
}

TEST(Parries, AParryCatchesOnlyAnExtendedBladeWithinReachOfTheHand) {
    // The lunging hand stands at 225; the parrying hand at the right fencer's Left + 56.
    struct Case {
        int rightLeft;
        bool caught;
    };
    for (Case k :
         {Case{169, true}, Case{139, true}, Case{144, true}, Case{170, false}, Case{138, false}}) {
        SCOPED_TRACE("right at " + std::to_string(k.rightLeft));
        Piste p;
        LeftLungesAt(p, k.rightLeft);
        TickLeft(p, 5);
        RightParriesNow(p);
        TickLeft(p, 1);
        EXPECT_EQ(!p.A().State().armExtended, k.caught)
            << "a parried lunge ends with the blade aside";
        EXPECT_FALSE(p.Outcome().hitBy)
            << "at 144 the lunge would have landed had it not been caught";
        EXPECT_EQ(p.form.sound.Played(),
                  k.caught ? std::vector<std::string>{"start.wav"} : std::vector<std::string>{});
    }

    // A bent-arm lunge is caught only while the arm happens to be out.
    Piste p;
    p.TwoPlayers();
    p.OnGuard(106, 244);
    p.A().Lunge();
    TickLeft(p, 3);
    ASSERT_EQ(p.A().CurrentAction(), Action::BentLunge);
    p.B().PlaceAt(p.A().State().guardX - 56);
    RightParriesNow(p);
    TickLeft(p, 1);
    EXPECT_EQ(p.A().CurrentAction(), Action::BentLunge);
    p.A().Extend();
    p.B().PlaceAt(p.A().State().guardX - 56);
    RightParriesNow(p);
    TickLeft(p, 1);
    EXPECT_EQ(p.A().CurrentAction(), Action::LungeParried);
    EXPECT_EQ(p.A().State().frameCount, 5);

    // A recovery cannot be parried and makes no sound.
    Piste r;
    r.TwoPlayers();
    r.OnGuard(106, 244);
    r.game.Choose(Verb::ToggleSound);
    r.Playing(Side::Left, Action::Recover, 1, {true, false, false, true});
    r.A().UpdatePoints();
    r.B().PlaceAt(r.A().State().guardX - 56);
    RightParriesNow(r);
    TickLeft(r, 1);
    EXPECT_EQ(r.A().CurrentAction(), Action::Recover);
    EXPECT_EQ(r.form.sound.FileName(), "");
    EXPECT_TRUE(r.form.sound.Played().empty());
}

TEST(Passing, OnlyTheLeftTickCallsFencersWhoHaveRunPastEachOther) {
    for (int leftA : {318, 319}) {
        SCOPED_TRACE("left fencer at " + std::to_string(leftA));
        Piste p;
        p.TwoPlayers();
        p.OnGuard(leftA, 244);
        p.game.Choose(Verb::ToggleSound);
        p.Fence();
        p.probe.FencerTick(Side::Right);
        EXPECT_TRUE(p.timerRight.Enabled()) << "the right tick never checks for a pass";
        EXPECT_FALSE(p.Outcome().passed);
        p.probe.FencerTick(Side::Left);
        const bool passed = leftA == 319; // body points crossed by more than 10 px
        EXPECT_EQ(p.Outcome().passed, passed);
        EXPECT_EQ(p.Halted(), passed);
        if (!passed) continue;
        EXPECT_EQ(p.PendingCall().call, Call::Passed);
        EXPECT_EQ(p.probe.President().CurrentPhase(), game::Phase::Halt);
        EXPECT_TRUE(p.probe.Timer("TimerPresident").Enabled());
        EXPECT_FALSE(p.probe.Timer("TimerLight").Enabled()) << "no lamps for a pass";
        EXPECT_TRUE(p.form.sound.Played().empty());
        EXPECT_FALSE(p.Outcome().offence[Side::Left] || p.Outcome().offence[Side::Right]);
    }
}

TEST(Passing, RunningPastInAFlecheTooSoonIsCorpsACorps) {
    // The calls of a pass the left tick finds `elapsed` s into the bout, whose start counts as
    // both fencers' last pass, over 30 start seconds; then of the left fencer alone at once.
    const Call corps = Call::CorpsACorps, passed = Call::Passed;
    struct Case {
        int elapsed;
        bool leftRuns, rightRuns;
        std::set<Call> first, then;
        const char* why;
    };
    const std::set<Call> always{corps}, never{passed}, either{corps, passed};
    for (const Case& k : std::vector<Case>{
             {4, true, false, always, always, "4 s after the bout began"},
             {14, true, false, never, always, "14 s after it; the runner's last pass is now"},
             {9, true, false, either, always, "9 s: up to the draw"},
             {4, false, true, always, always, "the right fencer alike"},
             {14, false, true, never, never, "the right fencer's pass is not the left's"},
             {4, true, true, never, always, "both running is no offence"},
             {14, true, true, never, never, "and is nobody's last pass"},
             {4, false, false, never, always, "nobody running"}}) {
        SCOPED_TRACE(k.why);
        std::set<Call> first, then;
        for (std::int64_t s = 0; s < 30; ++s) {
            Piste p((1'700'000'000 + s) * 1000);
            p.TwoPlayers();
            p.FenceSeconds(k.elapsed);
            auto runPast = [&p](bool leftRuns, bool rightRuns) {
                p.OnGuard(319, 244); // the targets already 11 px past each other
                p.A().SetPosture({false, false, leftRuns, true});
                p.B().SetPosture({false, false, rightRuns, true});
                p.probe.FencerTick(Side::Left);
                return p.PendingCall().call;
            };
            const Call call = runPast(k.leftRuns, k.rightRuns);
            first.insert(call);
            EXPECT_EQ(p.Outcome().offence[Side::Left], k.leftRuns && !k.rightRuns && call == corps);
            EXPECT_EQ(p.Outcome().offence[Side::Right],
                      k.rightRuns && !k.leftRuns && call == corps);
            EXPECT_TRUE(p.Outcome().passed);
            then.insert(runPast(true, false));
        }
        EXPECT_EQ(first, k.first);
        EXPECT_EQ(then, k.then);
    }
}

TEST(Phrase, ThePlayerAdvancesExtendsAndLungesHome) {
    Piste p;
    p.TwoPlayers();
    p.OnGuard(106, 154);
    p.timerLeft.SetInterval(100);
    p.Fence();
    auto& sched = p.form.scheduler;
    const game::FencerView& b = p.game.View().fencers[Side::Right];

    TypeKey(p.game, U'm');
    ASSERT_TRUE(sched.RunUntilTrue([&] { return b.x == 144; }, 2000));
    TypeKey(p.game, U'k');
    ASSERT_TRUE(sched.RunUntilTrue([&] { return b.pose == "ENGARDEXB"; }, 500));
    TypeKey(p.game, U'o');
    ASSERT_TRUE(sched.RunUntilTrue([&] { return b.pose == "LUNGE4B"; }, 2000));
    const auto shown = sched.Now();
    ASSERT_FALSE(p.Halted());
    ASSERT_TRUE(sched.RunUntilTrue([&] { return p.Halted(); }, 1000));
    EXPECT_EQ(sched.Now() - shown, 100) << "the hit lands on the next right tick";
    EXPECT_EQ(p.PendingCall(), (RefereeCall{Call::Attack, Side::Right}));
    EXPECT_EQ(p.Outcome().hitBy, Side::Right);
    EXPECT_FALSE(p.Outcome().offTarget);
    EXPECT_EQ(b.pose, "LUNGE4B");
    EXPECT_EQ(p.Pose(Side::Left), "ENGARDEA");
}
