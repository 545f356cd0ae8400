// SPDX-License-Identifier: GPL-3.0-or-later
// A demonstration is the computer fencing both sides, whatever the options say.

#include "BoutTable.h"

#include <gtest/gtest.h>

#include <string>

using namespace pistework;
using game::Side;
using table::BoutTable;

TEST(Demonstration, TheComputerFencesBothSidesEvenWhenTwoPlayersWereChosen) {
    for (int control = 0; control < 3; ++control) {
        SCOPED_TRACE(control);
        BoutTable t(1'700'000'000'000);
        if (control == 0) t.game.Choose(Verb::ChooseTwoPlayers);
        t.game.Choose({Verb::SetControl,
                       control == 2 ? game::ControlMode::Mouse : game::ControlMode::Keyboard});
        // Idle for 15 s: the demonstration starts, and both fencers step about.
        ASSERT_TRUE(t.RunToFencing(30'000));
        ASSERT_TRUE(t.probe.Demonstrating());
        auto stepping = [](const std::string& picture) { return picture.starts_with("STEP"); };
        bool leftStepped = false, rightStepped = false;
        EXPECT_TRUE(t.form.scheduler.RunUntilTrue(
            [&] {
                leftStepped = leftStepped || stepping(t.Pose(Side::Left));
                rightStepped = rightStepped || stepping(t.Pose(Side::Right));
                return leftStepped && rightStepped;
            },
            60'000));
        EXPECT_EQ(t.timerLeft.Interval(), game::kChampion.strength.tickMs);
    }

    // The player's bout after it is a two-player bout again.
    BoutTable t(1'700'000'000'000);
    t.game.Choose(Verb::ChooseTwoPlayers);
    ASSERT_TRUE(t.RunToFencing(30'000));
    t.game.Choose(Verb::NewGame);
    ASSERT_TRUE(t.RunToFencing());
    EXPECT_FALSE(t.probe.Demonstrating());
    EXPECT_TRUE(t.View().menu.twoPlayers);
    EXPECT_EQ(t.timerLeft.Interval(), game::Bout::kPlayerSpeed);
    t.form.scheduler.RunFor(5'000);
    EXPECT_EQ(t.View().fencers[Side::Left].x, game::kEngardeLeftA)
        << "nobody commands the left fencer";
}

TEST(Demonstration, EachSideFencesAtTheStrengthItWasGiven) {
    struct Case {
        game::Strength left, right;
    };
    for (const Case& k :
         {Case{{12, 120}, {9, 90}}, Case{{8, 80}, {11, 100}}, Case{{10, 70}, {10, 130}}}) {
        SCOPED_TRACE(std::to_string(k.left.tickMs) + " against " + std::to_string(k.right.tickMs));
        BoutTable t(1'700'000'000'000);
        t.probe.SetDemonstrationStrengths({k.left, k.right});
        ASSERT_TRUE(t.RunToFencing(30'000));
        ASSERT_TRUE(t.probe.Demonstrating());
        EXPECT_EQ(t.timerLeft.Interval(), k.left.tickMs);
        EXPECT_EQ(t.Timer("TimerRight").Interval(), k.right.tickMs);
        EXPECT_EQ(t.probe.Computer().InPlay(Side::Left), k.left);
        EXPECT_EQ(t.probe.Computer().InPlay(Side::Right), k.right);

        // The player's bout after it: the chosen level on the left, the player at its own pace.
        t.game.Choose({Verb::ChooseLevel, game::kNovice.number});
        t.StartPlayersBout();
        ASSERT_FALSE(t.probe.Demonstrating());
        EXPECT_EQ(t.timerLeft.Interval(), game::kNovice.strength.tickMs);
        EXPECT_EQ(t.Timer("TimerRight").Interval(), game::Bout::kPlayerSpeed);
        EXPECT_EQ(t.probe.Computer().InPlay(Side::Right), game::kNovice.strength);
    }
}

// The 15 s count from the bout's end, not from the victory dialog's close: a player who
// lingers over the name sees the demonstration begin behind the dialog.
TEST(Demonstration, BeginsFifteenSecondsAfterAWonBoutEvenBehindTheVictoryDialog) {
    for (const std::int64_t open : {0, 20'000}) {
        BoutTable t;
        std::int64_t asked = -1, began = -1;
        auto demonstrating = [&] { return t.probe.Demonstrating(); };
        t.game.SetOnNewBest([&](const game::Game::NewBest&, const game::Game::Record&) {
            asked = t.Now();
            if (open > 0 && t.form.scheduler.RunUntilTrue(demonstrating, open)) began = t.Now();
        });
        t.StartPlayersBout();
        t.Score(Side::Right, t.game.Options().maxHits);
        if (began < 0) {
            ASSERT_TRUE(t.form.scheduler.RunUntilTrue(demonstrating, 60'000));
            began = t.Now();
        }
        ASSERT_GE(asked, 0);
        EXPECT_EQ(began - asked, t.Timer("TimerAutoPlay").Interval()) << open;
    }
}
