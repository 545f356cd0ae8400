// A demonstration is the computer fencing both sides, whatever the options say.

#include "BoutTable.h"

#include <gtest/gtest.h>

#include <string>

using namespace pistework;
using game::Side;
using table::BoutTable;

TEST(Demonstration, TheComputerFencesBothSidesEvenWhenTwoPlayersWereChosen) {
    for (const char* control : {"mnu2Player", "mnuKeyboard", "mnuMouse"}) {
        SCOPED_TRACE(control);
        BoutTable t(1'700'000'000'000);
        t.form.Menu(control).Click();
        // Idle for 15 s: the demonstration starts, and both fencers step about.
        ASSERT_TRUE(t.RunToFencing(30'000));
        ASSERT_TRUE(t.game.Demonstrating());
        auto stepping = [](const std::string& picture) { return picture.starts_with("STEP"); };
        bool leftStepped = false, rightStepped = false;
        EXPECT_TRUE(t.form.scheduler.RunUntilTrue(
            [&] {
                leftStepped = leftStepped || stepping(t.form.imgFencerA.PictureName());
                rightStepped = rightStepped || stepping(t.form.imgFencerB.PictureName());
                return leftStepped && rightStepped;
            },
            60'000));
        EXPECT_EQ(t.form.TimerLeft.Interval(), game::kChampion.strength.speed);
    }

    // The player's bout after it is a two-player bout again.
    BoutTable t(1'700'000'000'000);
    t.form.Menu("mnu2Player").Click();
    ASSERT_TRUE(t.RunToFencing(30'000));
    t.form.Menu("mnuFileNewGame").Click();
    ASSERT_TRUE(t.RunToFencing());
    EXPECT_FALSE(t.game.Demonstrating());
    EXPECT_TRUE(t.game.Options().twoPlayer);
    EXPECT_EQ(t.form.TimerLeft.Interval(), 100);
    t.form.scheduler.RunFor(5'000);
    EXPECT_EQ(t.form.imgFencerA.Left(), game::kEngardeLeftA) << "nobody commands the left fencer";
}

TEST(Demonstration, EachSideFencesAtTheStrengthItWasGiven) {
    struct Case {
        game::Strength left, right;
    };
    for (const Case& k :
         {Case{{12, 120}, {9, 90}}, Case{{8, 80}, {11, 100}}, Case{{10, 70}, {10, 130}}}) {
        SCOPED_TRACE(std::to_string(k.left.speed) + " against " + std::to_string(k.right.speed));
        BoutTable t(1'700'000'000'000);
        t.game.SetDemonstrationStrengths({k.left, k.right});
        ASSERT_TRUE(t.RunToFencing(30'000));
        ASSERT_TRUE(t.game.Demonstrating());
        EXPECT_EQ(t.form.TimerLeft.Interval(), k.left.speed);
        EXPECT_EQ(t.form.TimerRight.Interval(), k.right.speed);
        EXPECT_EQ(t.game.Computer().InPlay(Side::Left), k.left);
        EXPECT_EQ(t.game.Computer().InPlay(Side::Right), k.right);

        // The player's bout after it: the chosen level on the left, the player at its own pace.
        t.form.Menu("Novice").Click();
        t.StartPlayersBout();
        ASSERT_FALSE(t.game.Demonstrating());
        EXPECT_EQ(t.form.TimerLeft.Interval(), game::kNovice.strength.speed);
        EXPECT_EQ(t.form.TimerRight.Interval(), game::Game::kPlayerSpeed);
        EXPECT_EQ(t.game.Computer().InPlay(Side::Right), game::kNovice.strength);
    }
}
