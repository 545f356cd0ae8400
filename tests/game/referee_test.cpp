#include "BoutTable.h"
#include "game/BoutRules.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace pistework;
using table::BoutTable;
using table::kLeft;
using table::kRight;

namespace {
std::vector<std::string> LastCalls(const BoutTable& t, std::size_t n) {
    const auto& h = t.form.lblEngarde.History();
    return {h.end() - static_cast<std::ptrdiff_t>(std::min(n, h.size())), h.end()};
}
} // namespace

TEST(Referee, AHitReadsOutOneCallASecondAndTheFencersMoveAgainAtSeven) {
    BoutTable t;
    t.StartPlayersBout();
    const auto hit = t.Now();
    t.form.imgFencerA.SetLeft(170);
    t.Hit(kLeft);
    auto at = [&](int ms) {
        t.form.scheduler.RunUntil(hit + ms);
        return t.Call();
    };
    EXPECT_EQ(at(999), "");
    EXPECT_EQ(at(1000), "Halt");
    EXPECT_FALSE(t.form.TimerClock.Enabled());
    const int clockAtHalt = t.game.boutClock;
    EXPECT_EQ(at(2000), "Attack from the Left");
    EXPECT_EQ(t.form.lblScore0.Caption(), "0");
    EXPECT_EQ(at(3000), "Successful");
    EXPECT_EQ(t.form.lblScore0.Caption(), "1");
    EXPECT_EQ(t.form.lblScore1.Caption(), "0");
    EXPECT_EQ(at(4000), "Engarde");
    EXPECT_EQ(t.form.imgFencerA.Left(), 106);
    EXPECT_EQ(t.form.imgFencerB.Left(), 244);
    EXPECT_FALSE(t.form.TimerLight.Enabled());
    EXPECT_EQ(at(5000), "Are you ready?");
    EXPECT_EQ(at(6000), "Fence");
    EXPECT_TRUE(t.form.TimerClock.Enabled());
    EXPECT_EQ(t.game.boutClock, clockAtHalt) << "the clock stands still during the calls";
    t.form.scheduler.RunUntil(hit + 6999);
    EXPECT_FALSE(t.form.TimerLeft.Enabled());
    EXPECT_EQ(at(7000), "");
    EXPECT_TRUE(t.form.TimerLeft.Enabled());
    EXPECT_TRUE(t.form.TimerRight.Enabled());
    EXPECT_FALSE(t.form.TimerPresident.Enabled());
    EXPECT_EQ(t.game.boutClock, clockAtHalt - 1);
}

TEST(Referee, EveryRulingInItsOrder) {
    struct Case {
        const char* name;
        std::function<void(BoutTable&)> phrase;
        std::vector<std::string> calls; // the call and the ruling
        int hitsA, hitsB;
    };
    const std::vector<Case> cases{
        {"left hit",
         [](BoutTable& t) { t.Hit(kLeft); },
         {"Attack from the Left", "Successful"},
         1,
         0},
        {"right hit",
         [](BoutTable& t) { t.Hit(kRight); },
         {"Attack from the Right", "Successful"},
         0,
         1},
        {"hit over a counter",
         [](BoutTable& t) { t.Hit(kLeft, false, true); },
         {"Attack from the Left\rCounter Attack from the Right",
          "Attack is Successful\rCounter is Out of Time"},
         1,
         0},
        {"counter, right hit",
         [](BoutTable& t) { t.Hit(kRight, false, true); },
         {"Attack from the Right\rCounter Attack from the Left",
          "Attack is Successful\rCounter is Out of Time"},
         0,
         1},
        {"off target",
         [](BoutTable& t) { t.Hit(kRight, true); },
         {"Attack from the Right", "Off Target"},
         0,
         0},
        {"pass", [](BoutTable& t) { t.Pass(); }, {"Opponent Passed", "Return to Engarde"}, 0, 0},
        {"left offence",
         [](BoutTable& t) { t.Pass(kLeft); },
         {"Corps \xC3\xA0 Corps", "Warning - Yellow Card Left"},
         0,
         0},
        {"an offence goes before everything",
         [](BoutTable& t) {
             t.Pass(kRight);
             t.game.offTarget = t.game.hitByA = t.game.counterA = true;
         },
         {"Corps \xC3\xA0 Corps", "Warning - Yellow Card Right"},
         0,
         0},
    };
    for (const auto& c : cases) {
        BoutTable t;
        t.StartPlayersBout();
        c.phrase(t);
        t.form.scheduler.RunFor(3000);
        std::vector<std::string> expected{"Halt"};
        expected.insert(expected.end(), c.calls.begin(), c.calls.end());
        EXPECT_EQ(LastCalls(t, 3), expected) << c.name;
        EXPECT_EQ(t.form.lblScore0.Caption(), std::to_string(c.hitsA)) << c.name;
        EXPECT_EQ(t.form.lblScore1.Caption(), std::to_string(c.hitsB)) << c.name;
        EXPECT_EQ(t.game.hitsA, c.hitsA) << c.name;
        EXPECT_EQ(t.game.hitsB, c.hitsB) << c.name;
    }
}

TEST(Referee, AYellowCardFirstThenRedCardsThatScoreWithTheCountFromTheSecond) {
    BoutTable t;
    t.StartPlayersBout();
    auto offence = [&](int side) {
        t.form.imgFencerA.SetLeft(150);
        t.form.imgFencerB.SetLeft(200);
        t.Pass(side);
        t.RunToFencing();
    };
    offence(kLeft);
    EXPECT_TRUE(t.form.shpYellow0.Visible());
    EXPECT_FALSE(t.form.shpRed0.Visible());
    EXPECT_EQ(t.form.lblRedCount0.Caption(), "0");
    EXPECT_FALSE(t.form.lblRedCount0.Visible());
    EXPECT_EQ(t.game.hitsB, 0);
    // A warning keeps the pass: the fencers step back from where they stood.
    EXPECT_EQ(t.form.imgFencerA.Left(), 70);
    EXPECT_EQ(t.form.imgFencerB.Left(), 280);

    offence(kLeft);
    EXPECT_NE(std::find(t.form.lblEngarde.History().begin(), t.form.lblEngarde.History().end(),
                        "Warning - Red Card Left"),
              t.form.lblEngarde.History().end());
    EXPECT_TRUE(t.form.shpRed0.Visible());
    EXPECT_TRUE(t.form.shpYellow0.Visible());
    EXPECT_FALSE(t.form.lblRedCount0.Visible()) << "one red card is the bare card";
    EXPECT_EQ(t.form.lblScore1.Caption(), "1");
    // A red card ends the pass: back to the centre lines.
    EXPECT_EQ(t.form.imgFencerA.Left(), 106);
    EXPECT_EQ(t.form.imgFencerB.Left(), 244);

    offence(kLeft);
    EXPECT_TRUE(t.form.lblRedCount0.Visible());
    EXPECT_EQ(t.form.lblRedCount0.Caption(), "2");
    EXPECT_EQ(t.form.lblScore1.Caption(), "2");

    offence(kRight);
    offence(kRight);
    EXPECT_TRUE(t.form.shpYellow1.Visible());
    EXPECT_TRUE(t.form.shpRed1.Visible());
    EXPECT_FALSE(t.form.lblRedCount1.Visible());
    EXPECT_EQ(t.form.lblScore0.Caption(), "1");
    EXPECT_EQ(t.form.lblRedCount0.Caption(), "2") << "cards last from ruling to ruling";

    // New Game in the middle of a phrase: nothing of the old bout ticks on.
    t.form.Menu("mnuFileNewGame").Click();
    for (auto* timer : {&t.form.TimerLeft, &t.form.TimerRight, &t.form.TimerPresident,
                        &t.form.TimerClock, &t.form.TimerLight})
        EXPECT_FALSE(timer->Enabled()) << timer->Name();
    for (auto* s : {&t.form.shpYellow0, &t.form.shpRed0, &t.form.shpYellow1, &t.form.shpRed1})
        EXPECT_FALSE(s->Visible());
    EXPECT_FALSE(t.form.lblRedCount0.Visible());
    EXPECT_EQ(t.form.lblScore0.Caption(), "0");
    EXPECT_EQ(t.form.lblScore1.Caption(), "0");
    // Each bout's first offence is a warning again.
    t.RunToFencing();
    offence(kLeft);
    EXPECT_EQ(t.game.hitsB, 0);
    EXPECT_FALSE(t.form.shpRed0.Visible());
}

TEST(Referee, GameOverFollowsTheRulingThatReachesMaxHitsAlsoThroughARedCard) {
    BoutTable t;
    t.form.Menu("Firstto5").Click();
    t.StartPlayersBout();
    for (int i = 0; i < 4; ++i) {
        t.Hit(kLeft);
        t.RunToFencing();
    }
    EXPECT_EQ(t.form.lblScore0.Caption(), "4");
    t.Hit(kLeft);
    const auto hit = t.Now();
    t.form.scheduler.RunUntil(hit + 3000);
    EXPECT_EQ(t.form.lblScore0.Caption(), "5");
    t.form.scheduler.RunUntil(hit + 4000);
    EXPECT_EQ(t.Call(), "Game Over");
    EXPECT_FALSE(t.form.TimerPresident.Enabled());
    EXPECT_EQ(t.game.presidentPhase, 0);
    EXPECT_EQ(t.form.imgFencerA.PictureName(), "VICTORYA");
    EXPECT_EQ(t.form.imgFencerB.PictureName(), "DEFEATB");
    // The winning hit's lamps flash on; nothing else moves.
    EXPECT_TRUE(t.form.TimerLight.Enabled());
    EXPECT_TRUE(t.form.TimerAutoPlay.Enabled());
    for (auto* timer : {&t.form.TimerLeft, &t.form.TimerRight, &t.form.TimerClock})
        EXPECT_FALSE(timer->Enabled()) << timer->Name();
    t.form.scheduler.RunFor(5000);
    EXPECT_EQ(t.Call(), "Game Over");

    BoutTable red;
    red.form.Menu("Firstto5").Click();
    red.StartPlayersBout();
    red.game.hitsA = 4;
    red.game.yellowB = true;
    red.Pass(kRight);
    red.form.scheduler.RunFor(4000);
    EXPECT_EQ(LastCalls(red, 2),
              (std::vector<std::string>{"Warning - Red Card Right", "Game Over"}));
    EXPECT_EQ(red.form.imgFencerA.PictureName(), "VICTORYA");
}

TEST(Referee, TimeOutOvertakesAHitInTheLastSecond) {
    BoutTable t;
    t.form.Menu("Firstto5").Click();
    ASSERT_TRUE(t.form.Menu("TimedBout").Checked());
    t.StartPlayersBout();
    // One second left; the fencers stand while the clock reaches 0:00.
    t.game.boutClock = 1;
    t.form.TimerLeft.SetEnabled(false);
    t.form.TimerRight.SetEnabled(false);
    t.form.scheduler.RunFor(500);
    EXPECT_EQ(t.form.lblTime.Caption(), "0:00");
    t.Hit(kRight);
    t.form.scheduler.RunFor(500);
    EXPECT_EQ(t.game.presidentPhase, 7) << "the time-out replaces the pending Halt";
    t.form.scheduler.RunFor(2000);
    EXPECT_EQ(LastCalls(t, 3), (std::vector<std::string>{"", "Halt", "Game Over"}));
    EXPECT_EQ(t.game.hitsB, 0);
    EXPECT_EQ(t.form.imgFencerA.PictureName(), "DEFEATA");
    EXPECT_EQ(t.form.imgFencerB.PictureName(), "DEFEATB");
    EXPECT_TRUE(t.form.TimerLight.Enabled()) << "the unruled hit's lamps flash on";
}

TEST(ReturnToEngarde, RepositionsByTheRulingAndClampsInOrder) {
    using game::EngardePositions;
    using P = game::EngardePair;
    // Valid hits, red cards and bout starts: the centre lines, wherever the fencers are.
    EXPECT_EQ(EngardePositions(10, 400, false, false, true, true), (P{106, 244}));
    EXPECT_EQ(EngardePositions(150, 200, true, false, false, false), (P{130, 220}));
    // Off target near the left end.
    EXPECT_EQ(EngardePositions(30, 110, true, false, false, false), (P{26, 104}));
    // A pass with no flèche is only the step-back.
    EXPECT_EQ(EngardePositions(200, 150, false, true, false, false), (P{120, 230}));
    // B's flèche carried it past A: step, runner shift, right clamp.
    EXPECT_EQ(EngardePositions(250, 170, false, true, false, true), (P{256, 344}));
    EXPECT_EQ(EngardePositions(200, 130, false, true, true, false), (P{26, 104}));
    // Both limits crossed: the left clamp comes first and the right one never undoes it.
    EXPECT_EQ(EngardePositions(20, 330, true, false, false, false), (P{26, 104}));
    // Off target decides before a pass.
    EXPECT_EQ(EngardePositions(150, 200, true, true, true, false), (P{130, 220}));

    // Through the referee: the records are reset and the runner's flag chose the shift.
    BoutTable t;
    t.StartPlayersBout();
    t.form.imgFencerA.SetLeft(250);
    t.form.imgFencerB.SetLeft(170);
    auto& b = t.game.fencer[kRight];
    b.inFleche = b.inLunge = b.armExtended = true;
    b.action = game::FlecheRun;
    b.frameIndex = 3;
    b.requestedAction = game::Lunge;
    t.game.keepAdvancing[kLeft] = t.game.attackPrepared[kLeft] = true;
    t.game.preparedCount[kLeft] = 3;
    t.Pass();
    t.form.scheduler.RunFor(4000);
    EXPECT_EQ(t.Call(), "Engarde");
    EXPECT_EQ(t.form.imgFencerA.Left(), 256);
    EXPECT_EQ(t.form.imgFencerB.Left(), 344);
    EXPECT_FALSE(b.inFleche || b.inLunge || b.armExtended || t.game.passed);
    EXPECT_EQ(b.action, game::Stand);
    EXPECT_EQ(b.requestedAction, game::Stand);
    EXPECT_EQ(b.frameCount, 1);
    EXPECT_FALSE(t.game.keepAdvancing[kLeft] || t.game.attackPrepared[kLeft]);
    EXPECT_EQ(t.game.preparedCount[kLeft], 0);

    // An off-target ruling is remembered into the next "Engarde" of a new bout.
    t.RunToFencing();
    t.form.imgFencerA.SetLeft(30);
    t.form.imgFencerB.SetLeft(110);
    t.Hit(kLeft, true);
    t.form.scheduler.RunFor(4000);
    EXPECT_EQ(t.form.imgFencerA.Left(), 26);
    EXPECT_EQ(t.form.imgFencerB.Left(), 104);
    EXPECT_TRUE(t.game.offTarget);
}

TEST(ScoringLamps, FlashTheHittersColourWhiteOffTargetBothOnACounterAndGoDarkAtEngarde) {
    struct Case {
        int side;
        bool offTarget, counter;
        const char* litA;
        const char* litB;
    };
    for (const Case c : {Case{kLeft, false, false, "LIGHTONA", "LIGHTOFFB"},
                         Case{kRight, false, false, "LIGHTOFFA", "LIGHTONB"},
                         Case{kLeft, true, false, "WHITEONA", "LIGHTOFFB"},
                         Case{kRight, true, false, "LIGHTOFFA", "WHITEONB"},
                         Case{kLeft, false, true, "LIGHTONA", "LIGHTONB"},
                         Case{kRight, true, true, "LIGHTONA", "WHITEONB"}}) {
        BoutTable t;
        t.StartPlayersBout();
        t.Hit(c.side, c.offTarget, c.counter);
        std::vector<std::string> seen;
        for (int i = 0; i < 4; ++i) {
            t.form.scheduler.RunFor(100);
            seen.push_back(t.form.imgLightA.PictureName() + "+" + t.form.imgLightB.PictureName());
        }
        const std::string lit = std::string(c.litA) + "+" + c.litB, dark = "LIGHTOFFA+LIGHTOFFB";
        // Lit and dark alternate every 100 ms; which comes first carries over from the last hit.
        const auto expected = seen[0] == dark ? std::vector<std::string>{dark, lit, dark, lit}
                                              : std::vector<std::string>{lit, dark, lit, dark};
        EXPECT_EQ(seen, expected) << c.litA << " " << c.litB;
        t.form.scheduler.RunUntilTrue([&] { return t.Call() == "Engarde"; }, 5000);
        EXPECT_EQ(t.form.imgLightA.PictureName(), "LIGHTOFFA");
        EXPECT_EQ(t.form.imgLightB.PictureName(), "LIGHTOFFB");
        EXPECT_FALSE(t.form.TimerLight.Enabled());
    }
}
