#include "BoutTable.h"
#include "game/BoutRules.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace pistework;
using table::BoutTable;

TEST(BoutStart, NewGameResetsTheBoardAndSalutesInSixStepsBeforeTheReferee) {
    BoutTable t;
    t.form.scheduler.RunUntil(1000);
    // Leftovers of an earlier bout.
    t.form.imgFencerA.SetLeft(40);
    t.form.lblEngarde.SetCaption("Halt");
    t.form.lblScore0.SetCaption("7");
    t.form.shpRed1.SetVisible(true);
    t.game.hitsA = 7;
    t.form.Menu("mnuFileNewGame").Click();
    EXPECT_EQ(t.form.lblScore0.Caption(), "0");
    EXPECT_FALSE(t.form.shpRed1.Visible());
    EXPECT_EQ(t.game.hitsA, 0);
    EXPECT_FALSE(t.form.TimerAutoPlay.Enabled());

    const std::vector<std::tuple<int, const char*>> steps{{1300, "SALUTE1"}, {1600, "SALUTE2"},
                                                          {1900, "SALUTE3"}, {2200, "SALUTE2"},
                                                          {2500, "SALUTE1"}, {2800, "ENGARDE"}};
    for (const auto& [time, base] : steps) {
        t.form.scheduler.RunUntil(time);
        EXPECT_EQ(t.form.imgFencerA.PictureName(), std::string(base) + "A") << time;
        EXPECT_EQ(t.form.imgFencerB.PictureName(), std::string(base) + "B") << time;
        EXPECT_EQ(t.form.imgFencerA.Left(), 106) << "back at the start position";
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

    // New Game in the middle of the salute starts it again on the next tick.
    BoutTable again;
    again.form.Menu("mnuFileNewGame").Click();
    again.form.scheduler.RunUntil(1000);
    again.form.Menu("mnuFileNewGame").Click();
    again.form.scheduler.RunUntil(1200);
    EXPECT_EQ(again.form.imgFencerA.PictureName(), "SALUTE1A");
    EXPECT_EQ(again.game.saluteStep, 1);
}

TEST(BoutStart, ClockCaptionAndVisibilityFollowTheGameLength) {
    for (const auto& [item, caption] :
         {std::pair{"Firstto15", "9:00"}, {"Firstto10", "6:00"}, {"Firstto5", "3:00"}}) {
        BoutTable t;
        t.form.Menu(item).Click();
        t.form.Menu("mnuFileNewGame").Click();
        EXPECT_EQ(t.form.lblTime.Caption(), caption);
        EXPECT_TRUE(t.form.lblTime.Visible());
        EXPECT_EQ(t.game.boutClock, t.game.lastPassA);
    }
    BoutTable untimed;
    untimed.form.Menu("TimedBout").Click();
    untimed.form.Menu("mnuFileNewGame").Click();
    EXPECT_FALSE(untimed.form.lblTime.Visible());
}

TEST(BoutStart, DemonstrationsPlayTheChampionAndNewGameBringsBackThePlayersLevel) {
    BoutTable t;
    t.form.Menu("Advanced").Click();
    t.form.scheduler.RunUntil(15'000);
    EXPECT_TRUE(t.game.demoMode);
    EXPECT_TRUE(t.form.lblStart.Visible());
    EXPECT_FALSE(t.form.cmdLunge.Visible());
    EXPECT_EQ(t.game.opponentRange, 8);
    EXPECT_EQ(t.form.TimerLeft.Interval(), 80);
    EXPECT_EQ(t.game.chosenRange, 10);
    EXPECT_TRUE(t.form.TimerSalute.Enabled());

    t.form.Menu("mnuFileNewGame").Click();
    EXPECT_FALSE(t.game.demoMode);
    EXPECT_FALSE(t.form.lblStart.Visible());
    EXPECT_TRUE(t.form.cmdLunge.Visible());
    EXPECT_EQ(t.game.opponentRange, 10);
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
    t.game.hitsB = 3;
    t.game.EndBout();
    EXPECT_EQ(t.form.imgFencerB.PictureName(), "VICTORYB");
    EXPECT_EQ(t.form.imgFencerA.PictureName(), "DEFEATA");
    const auto end = t.Now();
    t.form.scheduler.RunUntil(end + 14'999);
    EXPECT_FALSE(t.game.demoMode);
    t.form.scheduler.RunUntil(end + 15'000);
    EXPECT_TRUE(t.game.demoMode);

    // A demonstration's end keeps its result on show for ten silent salute ticks.
    t.form.TimerSalute.SetEnabled(false);
    t.game.hitsA = 2;
    t.game.hitsB = 0;
    t.game.EndBout();
    const auto demoEnd = t.Now();
    EXPECT_FALSE(t.form.TimerAutoPlay.Enabled());
    t.form.scheduler.RunUntil(demoEnd + 2999);
    EXPECT_EQ(t.form.imgFencerA.PictureName(), "VICTORYA");
    EXPECT_EQ(t.game.hitsA, 2);
    t.form.scheduler.RunUntil(demoEnd + 3000);
    EXPECT_EQ(t.form.imgFencerA.PictureName(), "DEFEATA");
    EXPECT_EQ(t.game.hitsA, 0) << "the next demonstration bout has begun";
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
        t.game.offerBestResult = [&](int level, int a, int b) { offers.emplace_back(level, a, b); };
        if (std::string(c.level) == "Custom1") {
            t.form.Menu("Custom1").SetChecked(true);
        } else {
            t.form.Menu(c.level).Click();
        }
        t.form.Menu("mnuFileNewGame").Click();
        t.game.demoMode = c.demo;
        t.game.hitsA = c.hitsA;
        t.game.hitsB = c.hitsB;
        t.game.EndBout();
        if (c.offeredLevel == 0) {
            EXPECT_TRUE(offers.empty()) << c.level << " " << c.hitsA << ":" << c.hitsB;
        } else {
            EXPECT_EQ(offers,
                      (std::vector<std::tuple<int, int, int>>{{c.offeredLevel, c.hitsA, c.hitsB}}))
                << c.level;
        }
        EXPECT_EQ(t.form.TimerAutoPlay.Enabled(), !c.demo) << c.level;
    }
    EXPECT_EQ(game::LevelNumber(9, 90), 4);
    EXPECT_EQ(game::LevelNumber(9, 100), 5);
    EXPECT_EQ(game::LevelNumber(7, 80), 1);
}

TEST(BoutClock, CountsDownBeforeShowingAndEndsOnlyATimedBoutAtZero) {
    EXPECT_EQ(game::ClockCaption(179), "2:59");
    EXPECT_EQ(game::ClockCaption(65), "1:05");
    EXPECT_EQ(game::ClockCaption(0), "0:00");
    EXPECT_EQ(game::CountDown(180, true).seconds, 179);
    EXPECT_EQ(game::CountDown(0, false).seconds, 540);
    EXPECT_FALSE(game::CountDown(0, false).timeOut);
    EXPECT_TRUE(game::CountDown(0, true).timeOut);

    BoutTable t;
    t.form.Menu("Firstto5").Click();
    t.StartPlayersBout();
    // "Fence" was one second ago; the clock's first tick is due now.
    t.form.TimerLeft.SetEnabled(false);
    t.form.TimerRight.SetEnabled(false);
    t.form.scheduler.RunFor(0);
    EXPECT_EQ(t.form.lblTime.Caption(), "2:59");
    t.game.boutClock = 2;
    t.form.scheduler.RunFor(2000);
    EXPECT_EQ(t.form.lblTime.Caption(), "0:00");
    EXPECT_TRUE(t.form.TimerClock.Enabled()) << "0:00 shows for one full tick first";
    t.form.scheduler.RunFor(1000);
    EXPECT_FALSE(t.form.TimerClock.Enabled());
    EXPECT_EQ(t.game.presidentPhase, 7);

    // Untimed, the hidden clock wraps round and runs on.
    BoutTable untimed;
    untimed.form.Menu("TimedBout").Click();
    untimed.StartPlayersBout();
    untimed.form.TimerLeft.SetEnabled(false);
    untimed.form.TimerRight.SetEnabled(false);
    untimed.game.boutClock = 0;
    untimed.form.scheduler.RunFor(0);
    EXPECT_EQ(untimed.form.lblTime.Caption(), "9:00");
    EXPECT_TRUE(untimed.form.TimerClock.Enabled());
    EXPECT_EQ(untimed.game.presidentPhase, 4);
}
