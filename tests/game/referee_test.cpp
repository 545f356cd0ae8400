#include "BoutTable.h"
#include "game/BoutRules.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace pistework;
using game::Phase;
using game::Side;
using table::BoutTable;

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
    t.game.FencerOn(Side::Left).PlaceAt(170);
    t.Hit(Side::Left);
    auto at = [&](int ms) {
        t.form.scheduler.RunUntil(hit + ms);
        return t.Call();
    };
    EXPECT_EQ(at(999), "");
    EXPECT_EQ(at(1000), "Halt");
    EXPECT_FALSE(t.form.TimerClock.Enabled());
    const int clockAtHalt = t.game.Clock().SecondsLeft();
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
    EXPECT_EQ(t.game.Clock().SecondsLeft(), clockAtHalt)
        << "the clock stands still during the calls";
    t.form.scheduler.RunUntil(hit + 6999);
    EXPECT_FALSE(t.form.TimerLeft.Enabled());
    EXPECT_EQ(at(7000), "");
    EXPECT_TRUE(t.form.TimerLeft.Enabled());
    EXPECT_TRUE(t.form.TimerRight.Enabled());
    EXPECT_FALSE(t.form.TimerPresident.Enabled());
    EXPECT_EQ(t.game.Clock().SecondsLeft(), clockAtHalt - 1);
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
         [](BoutTable& t) { t.Hit(Side::Left); },
         {"Attack from the Left", "Successful"},
         1,
         0},
        {"right hit",
         [](BoutTable& t) { t.Hit(Side::Right); },
         {"Attack from the Right", "Successful"},
         0,
         1},
        {"hit over a counter",
         [](BoutTable& t) { t.Hit(Side::Left, false, true); },
         {"Attack from the Left\rCounter Attack from the Right",
          "Attack is Successful\rCounter is Out of Time"},
         1,
         0},
        {"counter, right hit",
         [](BoutTable& t) { t.Hit(Side::Right, false, true); },
         {"Attack from the Right\rCounter Attack from the Left",
          "Attack is Successful\rCounter is Out of Time"},
         0,
         1},
        {"off target",
         [](BoutTable& t) { t.Hit(Side::Right, true); },
         {"Attack from the Right", "Off Target"},
         0,
         0},
        {"pass", [](BoutTable& t) { t.Pass(); }, {"Opponent Passed", "Return to Engarde"}, 0, 0},
        {"left offence",
         [](BoutTable& t) { t.Pass(Side::Left); },
         {"Corps \xC3\xA0 Corps", "Warning - Yellow Card Left"},
         0,
         0},
        {"an offence goes before everything",
         [](BoutTable& t) {
             t.Pass(Side::Right);
             // A late arrival of the left point, off target and into the other's lunge.
             t.Referee().NoteArrival(Side::Left, {true, true, true});
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
        EXPECT_EQ(t.Hits(Side::Left), c.hitsA) << c.name;
        EXPECT_EQ(t.Hits(Side::Right), c.hitsB) << c.name;
    }
}

TEST(Referee, AYellowCardFirstThenRedCardsThatScoreWithTheCountFromTheSecond) {
    BoutTable t;
    t.StartPlayersBout();
    auto offence = [&](Side side) {
        t.game.FencerOn(Side::Left).PlaceAt(150);
        t.game.FencerOn(Side::Right).PlaceAt(200);
        t.Pass(side);
        t.RunToFencing();
    };
    offence(Side::Left);
    EXPECT_TRUE(t.form.shpYellow0.Visible());
    EXPECT_FALSE(t.form.shpRed0.Visible());
    EXPECT_EQ(t.form.lblRedCount0.Caption(), "0");
    EXPECT_FALSE(t.form.lblRedCount0.Visible());
    EXPECT_EQ(t.Hits(Side::Right), 0);
    // A warning keeps the pass: the fencers step back from where they stood.
    EXPECT_EQ(t.form.imgFencerA.Left(), 70);
    EXPECT_EQ(t.form.imgFencerB.Left(), 280);

    offence(Side::Left);
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

    offence(Side::Left);
    EXPECT_TRUE(t.form.lblRedCount0.Visible());
    EXPECT_EQ(t.form.lblRedCount0.Caption(), "2");
    EXPECT_EQ(t.game.Scores().RedCards(Side::Left), 2);
    EXPECT_EQ(t.form.lblScore1.Caption(), "2");

    offence(Side::Right);
    offence(Side::Right);
    EXPECT_TRUE(t.form.shpYellow1.Visible());
    EXPECT_TRUE(t.form.shpRed1.Visible());
    EXPECT_FALSE(t.form.lblRedCount1.Visible());
    EXPECT_EQ(t.form.lblScore0.Caption(), "1");
    EXPECT_EQ(t.form.lblRedCount0.Caption(), "2") << "cards last from ruling to ruling";

    // Over a minute after its last pass, a fencer may run past again.
    t.Stand(70'000);
    t.Pass(Side::Right);
    EXPECT_EQ(t.game.President().PendingCall(), "Opponent Passed");
    t.RunToFencing();

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
    for (Side side : game::kSides)
        EXPECT_FALSE(t.game.Scores().HasYellow(side));
    // Each bout's first offence is a warning again, and the bout starts as if both fencers
    // had just passed, however long the last one was fenced.
    t.RunToFencing();
    offence(Side::Left);
    EXPECT_TRUE(t.form.shpYellow0.Visible());
    EXPECT_EQ(t.Hits(Side::Right), 0);
    EXPECT_FALSE(t.form.shpRed0.Visible());
    // A minute into this bout, the right fencer's late pass in the last one counts no more.
    t.Stand(65'000);
    t.Pass(Side::Right);
    EXPECT_EQ(t.game.President().PendingCall(), "Opponent Passed");
}

TEST(Referee, GameOverFollowsTheRulingThatReachesMaxHitsAlsoThroughARedCard) {
    BoutTable t;
    t.form.Menu("Firstto5").Click();
    t.StartPlayersBout();
    for (int i = 0; i < 4; ++i) {
        t.Hit(Side::Left);
        t.RunToFencing();
    }
    EXPECT_EQ(t.form.lblScore0.Caption(), "4");
    t.Hit(Side::Left);
    const auto hit = t.Now();
    t.form.scheduler.RunUntil(hit + 3000);
    EXPECT_EQ(t.form.lblScore0.Caption(), "5");
    t.form.scheduler.RunUntil(hit + 4000);
    EXPECT_EQ(t.Call(), "Game Over");
    EXPECT_FALSE(t.form.TimerPresident.Enabled());
    EXPECT_EQ(t.game.President().CurrentPhase(), Phase::Engarde);
    EXPECT_EQ(t.form.imgFencerA.PictureName(), "VICTORYA");
    EXPECT_EQ(t.form.imgFencerB.PictureName(), "DEFEATB");
    // The winning hit's lamps flash on; nothing else moves.
    EXPECT_TRUE(t.form.TimerLight.Enabled());
    EXPECT_TRUE(t.form.TimerAutoPlay.Enabled());
    for (auto* timer : {&t.form.TimerLeft, &t.form.TimerRight, &t.form.TimerClock})
        EXPECT_FALSE(timer->Enabled()) << timer->Name();
    t.form.scheduler.RunFor(5000);
    EXPECT_EQ(t.Call(), "Game Over");

    // Four hits to the left, a warning to the right, then its red card gives the fifth.
    BoutTable red;
    red.form.Menu("Firstto5").Click();
    red.StartPlayersBout();
    red.Score(Side::Left, 4);
    red.Pass(Side::Right);
    red.RunToFencing();
    red.Pass(Side::Right);
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
    // The fencers stand while the clock reaches 0:00.
    t.Stand(0);
    ASSERT_TRUE(
        t.form.scheduler.RunUntilTrue([&] { return t.form.lblTime.Caption() == "0:00"; }, 200'000));
    t.form.scheduler.RunFor(500);
    t.Hit(Side::Right);
    t.form.scheduler.RunFor(500);
    EXPECT_EQ(t.game.President().CurrentPhase(), Phase::TimeOutHalt)
        << "the time-out replaces the pending Halt";
    t.form.scheduler.RunFor(2000);
    EXPECT_EQ(LastCalls(t, 3), (std::vector<std::string>{"", "Halt", "Game Over"}));
    EXPECT_EQ(t.Hits(Side::Right), 0);
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
    game::Fencer& b = t.game.FencerOn(Side::Right);
    b.SetPosture({true, false, true, true});
    b.SetAction(game::Action::FlecheRun);
    b.CountFrames();
    b.Lunge();
    t.game.FencerOn(Side::Left).PlaceAt(250);
    b.PlaceAt(170);
    t.game.Computer().KeepAdvancing(Side::Left);
    t.game.Computer().PrepareAttack(Side::Left, 3);
    t.Pass();
    t.form.scheduler.RunFor(4000);
    EXPECT_EQ(t.Call(), "Engarde");
    EXPECT_EQ(t.form.imgFencerA.Left(), 256);
    EXPECT_EQ(t.form.imgFencerB.Left(), 344);
    const game::FencerState& s = b.State();
    EXPECT_FALSE(s.inFleche || s.inLunge || s.armExtended || t.game.President().Outcome().passed);
    EXPECT_EQ(s.action, game::Action::Stand);
    EXPECT_EQ(s.requestedAction, game::Action::Stand);
    EXPECT_EQ(s.frameCount, 1);
    EXPECT_FALSE(t.game.Computer().KeepsAdvancing(Side::Left) ||
                 t.game.Computer().AttackPrepared(Side::Left));

    // An off-target ruling is still remembered after the "Engarde" it decided.
    t.RunToFencing();
    t.game.FencerOn(Side::Left).PlaceAt(30);
    t.game.FencerOn(Side::Right).PlaceAt(110);
    t.Hit(Side::Left, true);
    t.form.scheduler.RunFor(4000);
    EXPECT_EQ(t.form.imgFencerA.Left(), 26);
    EXPECT_EQ(t.form.imgFencerB.Left(), 104);
    EXPECT_TRUE(t.game.President().Outcome().offTarget);
}

TEST(ScoringLamps, FlashTheHittersColourWhiteOffTargetBothOnACounterAndGoDarkAtEngarde) {
    struct Case {
        Side side;
        bool offTarget, counter;
        const char* litA;
        const char* litB;
    };
    for (const Case c : {Case{Side::Left, false, false, "LIGHTONA", "LIGHTOFFB"},
                         Case{Side::Right, false, false, "LIGHTOFFA", "LIGHTONB"},
                         Case{Side::Left, true, false, "WHITEONA", "LIGHTOFFB"},
                         Case{Side::Right, true, false, "LIGHTOFFA", "WHITEONB"},
                         Case{Side::Left, false, true, "LIGHTONA", "LIGHTONB"},
                         Case{Side::Right, true, true, "LIGHTONA", "WHITEONB"}}) {
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
