#include "BoutTable.h"
#include "game/BoutRules.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace pistework;
using game::Side;
using table::BoutTable;

TEST(BoutStart, NewGameResetsTheBoardAndSalutesInSixStepsBeforeTheReferee) {
    BoutTable t;
    t.form.scheduler.RunUntil(1000);
    // Leftovers of an earlier bout.
    t.Score(Side::Left, 7);
    t.game.FencerOn(Side::Left).PlaceAt(40);
    t.form.lblEngarde.SetCaption("Halt");
    t.form.shpRed1.SetVisible(true);
    t.form.Menu("mnuFileNewGame").Click();
    EXPECT_EQ(t.form.lblScore0.Caption(), "0");
    EXPECT_FALSE(t.form.shpRed1.Visible());
    EXPECT_EQ(t.Hits(Side::Left), 0);
    EXPECT_FALSE(t.form.TimerAutoPlay.Enabled());

    const std::vector<std::tuple<int, const char*>> steps{{1300, "SALUTE1"}, {1600, "SALUTE2"},
                                                          {1900, "SALUTE3"}, {2200, "SALUTE2"},
                                                          {2500, "SALUTE1"}, {2800, "ENGARDE"}};
    for (const auto& [time, base] : steps) {
        t.form.scheduler.RunUntil(time);
        EXPECT_EQ(t.form.imgFencerA.PictureName(), std::string(base) + "A") << time;
        EXPECT_EQ(t.form.imgFencerB.PictureName(), std::string(base) + "B") << time;
        EXPECT_EQ(t.form.imgFencerA.Left(), 106) << "back at the start position";
        EXPECT_EQ(t.game.FencerOn(Side::Left).Left(), 106);
        EXPECT_EQ(t.Call(), "");
    }
    EXPECT_FALSE(t.form.TimerSalute.Enabled());
    EXPECT_TRUE(t.form.TimerPresident.Enabled());
    t.form.scheduler.RunUntil(3799);
    EXPECT_EQ(t.Call(), "");
    t.form.scheduler.RunUntil(3800);
    EXPECT_EQ(t.Call(), "Engarde");
    EXPECT_EQ(t.form.imgFencerA.PictureName(), "ENGARDEA");
    EXPECT_EQ(t.form.imgLightA.PictureName(), "LIGHTOFFA");
    t.form.scheduler.RunUntil(5800);
    EXPECT_EQ(t.Call(), "Fence");
    EXPECT_FALSE(t.form.TimerLeft.Enabled());
    t.form.scheduler.RunUntil(6800);
    EXPECT_TRUE(t.form.TimerLeft.Enabled());

    // New Game in the middle of the salute starts it again on the next tick: six more steps.
    BoutTable again;
    again.form.Menu("mnuFileNewGame").Click();
    again.form.scheduler.RunUntil(1000);
    again.form.Menu("mnuFileNewGame").Click();
    again.form.scheduler.RunUntil(1200);
    EXPECT_EQ(again.form.imgFencerA.PictureName(), "SALUTE1A");
    again.form.scheduler.RunUntil(2699);
    EXPECT_FALSE(again.form.TimerPresident.Enabled());
    again.form.scheduler.RunUntil(2700);
    EXPECT_EQ(again.form.imgFencerA.PictureName(), "ENGARDEA");
    EXPECT_TRUE(again.form.TimerPresident.Enabled());
}

TEST(BoutStart, ClockCaptionAndVisibilityFollowTheGameLength) {
    for (const auto& [item, caption] :
         {std::pair{"Firstto15", "9:00"}, {"Firstto10", "6:00"}, {"Firstto5", "3:00"}}) {
        BoutTable t;
        t.form.Menu(item).Click();
        t.form.Menu("mnuFileNewGame").Click();
        EXPECT_EQ(t.form.lblTime.Caption(), caption);
        EXPECT_TRUE(t.form.lblTime.Visible());
    }
    BoutTable untimed;
    untimed.form.Menu("TimedBout").Click();
    untimed.form.Menu("mnuFileNewGame").Click();
    EXPECT_FALSE(untimed.form.lblTime.Visible());
}

TEST(BoutStart, DemonstrationsPlayTheChampionAndNewGameBringsBackThePlayersLevel) {
    const game::Strength advanced{10, 100};
    BoutTable t;
    t.form.Menu("Advanced").Click();
    t.form.scheduler.RunUntil(15'000);
    EXPECT_TRUE(t.game.Demonstrating());
    EXPECT_TRUE(t.form.lblStart.Visible());
    EXPECT_FALSE(t.form.cmdLunge.Visible());
    EXPECT_EQ(t.game.Computer().InPlay(), (game::Strength{8, 80}));
    EXPECT_EQ(t.form.TimerLeft.Interval(), 80);
    EXPECT_EQ(t.game.Options().chosen, advanced);
    EXPECT_TRUE(t.form.TimerSalute.Enabled());

    t.form.Menu("mnuFileNewGame").Click();
    EXPECT_FALSE(t.game.Demonstrating());
    EXPECT_FALSE(t.form.lblStart.Visible());
    EXPECT_TRUE(t.form.cmdLunge.Visible());
    EXPECT_EQ(t.game.Computer().InPlay(), advanced);
    EXPECT_EQ(t.form.TimerLeft.Interval(), 100);

    // Keyboard control keeps the buttons hidden; two players run the left fencer at 100 ms.
    t.form.Menu("Novice").Click();
    t.form.Menu("mnuKeyboard").Click();
    t.form.Menu("mnuFileNewGame").Click();
    EXPECT_FALSE(t.form.cmdLunge.Visible());
    EXPECT_EQ(t.form.TimerLeft.Interval(), 120);
    t.form.Menu("mnu2Player").Click();
    t.form.Menu("mnuFileNewGame").Click();
    EXPECT_EQ(t.form.TimerLeft.Interval(), 100);
}

TEST(BoutEnd, PlayersBoutArmsAutoPlayAndADemonstrationStartsTheNextThreeSecondsLater) {
    BoutTable t;
    // A player's bout that ends at once: New Game has stopped auto-play.
    t.form.Menu("mnuFileNewGame").Click();
    t.form.TimerSalute.SetEnabled(false);
    t.Score(Side::Right, 3);
    t.EndBout();
    EXPECT_EQ(t.form.imgFencerB.PictureName(), "VICTORYB");
    EXPECT_EQ(t.form.imgFencerA.PictureName(), "DEFEATA");
    const auto end = t.Now();
    t.form.scheduler.RunUntil(end + 14'999);
    EXPECT_FALSE(t.game.Demonstrating());
    t.form.scheduler.RunUntil(end + 15'000);
    EXPECT_TRUE(t.game.Demonstrating());

    // A demonstration's end keeps its result on show for ten silent salute ticks.
    t.form.TimerSalute.SetEnabled(false);
    t.Score(Side::Left, 2);
    t.EndBout();
    const auto demoEnd = t.Now();
    EXPECT_FALSE(t.form.TimerAutoPlay.Enabled());
    t.form.scheduler.RunUntil(demoEnd + 2999);
    EXPECT_EQ(t.form.imgFencerA.PictureName(), "VICTORYA");
    EXPECT_EQ(t.Hits(Side::Left), 2);
    t.form.scheduler.RunUntil(demoEnd + 3000);
    EXPECT_EQ(t.form.imgFencerA.PictureName(), "DEFEATA");
    EXPECT_EQ(t.Hits(Side::Left), 0) << "the next demonstration bout has begun";
    t.form.scheduler.RunUntil(demoEnd + 3300);
    EXPECT_EQ(t.form.imgFencerA.PictureName(), "SALUTE1A");
}

TEST(BoutEnd, ABestResultIsOfferedOnlyForAPlayersWinOverAGradedLevel) {
    struct Case {
        const char* level;
        int hitsA, hitsB;
        bool demo;
        int offeredLevel; // 0: no offer
    };
    for (const Case c : {Case{"Novice", 2, 5, false, 1}, Case{"Intermediate", 0, 5, false, 2},
                         Case{"Advanced", 4, 5, false, 3}, Case{"QuarterFinalist", 1, 5, false, 4},
                         Case{"SemiFinalist", 1, 5, false, 5}, Case{"Champion", 3, 5, false, 6},
                         Case{"Champion", 5, 3, false, 0}, Case{"Champion", 2, 2, false, 0},
                         Case{"Champion", 0, 5, true, 0}, Case{"Custom1", 0, 5, false, 0},
                         Case{"mnu2Player", 0, 5, false, 0}}) {
        BoutTable t;
        std::vector<std::tuple<int, int, int>> offers;
        t.game.SetOnBestResult([&](int level, int a, int b) { offers.emplace_back(level, a, b); });
        if (std::string(c.level) == "Custom1") {
            game::BoutOptions custom = t.game.Options();
            custom.level.reset();
            t.game.SetOptions(custom);
        } else {
            t.form.Menu(c.level).Click();
        }
        t.form.Menu("mnuFileNewGame").Click();
        t.game.SetDemonstrating(c.demo);
        t.Score(Side::Left, c.hitsA);
        t.Score(Side::Right, c.hitsB);
        t.EndBout();
        if (c.offeredLevel == 0) {
            EXPECT_TRUE(offers.empty()) << c.level << " " << c.hitsA << ":" << c.hitsB;
        } else {
            EXPECT_EQ(offers,
                      (std::vector<std::tuple<int, int, int>>{{c.offeredLevel, c.hitsA, c.hitsB}}))
                << c.level;
        }
        EXPECT_EQ(t.form.TimerAutoPlay.Enabled(), !c.demo) << c.level;
    }
    // The two levels of range 9 differ in speed; a strength off the table is no level.
    EXPECT_EQ(game::LevelWithStrength({9, 90}).value().number, 4);
    EXPECT_EQ(game::LevelWithStrength({9, 80}).value().number, 5);
    EXPECT_FALSE(game::LevelWithStrength({9, 100}));
}

TEST(BoutClock, CountsDownBeforeShowingAndEndsOnlyATimedBoutAtZero) {
    for (const auto& [seconds, caption] :
         {std::pair{179, "2:59"}, {70, "1:10"}, {65, "1:05"}, {0, "0:00"}})
        EXPECT_EQ(game::ClockCaption(seconds), caption);
    EXPECT_EQ(game::CountDown(180, true).seconds, 179);
    EXPECT_EQ(game::CountDown(0, false).seconds, 540);
    EXPECT_FALSE(game::CountDown(0, false).timeOut);
    EXPECT_TRUE(game::CountDown(0, true).timeOut);

    BoutTable t;
    t.form.Menu("Firstto5").Click();
    t.StartPlayersBout();
    // "Fence" was one second ago; the clock's first tick is due now.
    t.Stand(0);
    EXPECT_EQ(t.form.lblTime.Caption(), "2:59");
    ASSERT_TRUE(
        t.form.scheduler.RunUntilTrue([&] { return t.form.lblTime.Caption() == "0:02"; }, 200'000));
    t.form.scheduler.RunFor(2000);
    EXPECT_EQ(t.form.lblTime.Caption(), "0:00");
    EXPECT_TRUE(t.form.TimerClock.Enabled()) << "0:00 shows for one full tick first";
    t.form.scheduler.RunFor(1000);
    EXPECT_FALSE(t.form.TimerClock.Enabled());
    EXPECT_EQ(t.game.President().CurrentPhase(), game::Phase::TimeOutHalt);

    // Untimed, the hidden clock wraps round and runs on.
    BoutTable untimed;
    untimed.form.Menu("Firstto5").Click();
    untimed.form.Menu("TimedBout").Click();
    untimed.StartPlayersBout();
    untimed.Stand(0);
    ASSERT_TRUE(untimed.form.scheduler.RunUntilTrue(
        [&] { return untimed.form.lblTime.Caption() == "0:00"; }, 200'000));
    untimed.form.scheduler.RunFor(1000);
    EXPECT_EQ(untimed.form.lblTime.Caption(), "9:00");
    EXPECT_TRUE(untimed.form.TimerClock.Enabled());
    EXPECT_EQ(untimed.game.President().CurrentPhase(), game::Phase::Halt);
}
