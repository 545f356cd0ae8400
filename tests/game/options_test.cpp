// The bout options a player changes from the menu in the middle of a bout.

#include "BoutTable.h"

#include <gtest/gtest.h>

#include <optional>

using namespace pistework;
using game::Side;
using game::Strength;
using table::BoutTable;

TEST(Options, ALowerTargetEndsTheBoutAtTheNextRulingAndTimedResetsTheClockAtOnce) {
    BoutTable t;
    t.StartPlayersBout();
    t.Score(Side::Left, 5);
    ASSERT_NE(t.Call(), "Game Over") << "first to 15: five hits go on";
    t.form.Menu("Firstto5").Click();
    EXPECT_NE(t.Call(), "Game Over") << "the target is checked only at a ruling";
    t.Score(Side::Right, 1);
    t.Referee().Tick();
    EXPECT_EQ(t.Call(), "Game Over");

    // Switching "Timed" off and on sets the full time back at once; the clock shows or hides
    // only at the next bout.
    BoutTable timed;
    timed.StartPlayersBout();
    timed.form.scheduler.RunFor(5'000);
    ASSERT_LT(timed.game.Clock().SecondsLeft(), 540);
    timed.form.Menu("TimedBout").Click();
    EXPECT_EQ(timed.game.Clock().SecondsLeft(), 540);
    EXPECT_TRUE(timed.form.lblTime.Visible());
    timed.form.Menu("mnuFileNewGame").Click();
    EXPECT_FALSE(timed.form.lblTime.Visible());
}

TEST(Options, CustomAsksFromTheStrengthInPlayAndCancelChangesNothing) {
    BoutTable t;
    std::optional<Strength> asked;
    std::optional<Strength> answer;
    t.game.SetOnCustomLevel([&](const Strength& inPlay) {
        asked = inPlay;
        return answer;
    });
    t.form.Menu("Intermediate").Click();
    t.StartPlayersBout();
    t.form.scheduler.RunFor(1'000);
    const game::BoutOptions before = t.game.Options();

    t.form.Menu("Custom1").Click(); // cancelled
    EXPECT_EQ(asked, (Strength{11, 100}));
    EXPECT_TRUE(t.form.Menu("Intermediate").Checked());
    EXPECT_FALSE(t.form.Menu("Custom1").Checked());
    EXPECT_EQ(t.game.Options().chosen, before.chosen);
    EXPECT_TRUE(t.form.TimerClock.Enabled()) << "the bout goes on";

    // Confirmed at the Champion's values it is still Custom: it ends the bout and keeps no
    // best result.
    answer = game::kChampion.strength;
    t.form.Menu("Custom1").Click();
    EXPECT_TRUE(t.form.Menu("Custom1").Checked());
    EXPECT_FALSE(t.form.Menu("Champion").Checked());
    EXPECT_FALSE(t.game.Options().level.has_value());
    EXPECT_EQ(t.game.Options().chosen, game::kChampion.strength);
    EXPECT_FALSE(t.form.TimerClock.Enabled());
    EXPECT_EQ(t.form.imgFencerB.PictureName(), "DEFEATB");
    bool offered = false;
    t.game.SetOnBestResult([&](int, int, int) { offered = true; });
    t.StartPlayersBout();
    t.Score(Side::Right, 15);
    t.Referee().Tick();
    ASSERT_EQ(t.Call(), "Game Over");
    EXPECT_FALSE(offered);
}
