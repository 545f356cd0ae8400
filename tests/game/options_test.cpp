// SPDX-License-Identifier: GPL-3.0-or-later
// The bout options a player changes from the menu in the middle of a bout.

#include "BoutTable.h"
#include "common/MenuRules.h"

#include <gtest/gtest.h>

using namespace pistework;
using game::Call;
using game::Side;
using table::BoutTable;

TEST(Options, ALowerTargetEndsTheBoutAtTheNextRulingAndTimedResetsTheClockAtOnce) {
    BoutTable t;
    t.StartPlayersBout();
    t.Score(Side::Left, 5);
    ASSERT_NE(t.Call(), Call::GameOver) << "first to 15: five hits go on";
    t.game.Choose({Verb::SetTarget, 5});
    EXPECT_NE(t.Call(), Call::GameOver) << "the target is checked only at a ruling";
    t.Score(Side::Right, 1);
    t.Referee().Tick();
    EXPECT_EQ(t.Call(), Call::GameOver);

    // Switching "Timed" off and on sets the full time back at once; the clock shows or hides
    // only at the next bout.
    BoutTable timed;
    timed.StartPlayersBout();
    timed.form.scheduler.RunFor(5'000);
    ASSERT_LT(timed.probe.Clock().SecondsLeft(), 540);
    timed.game.Choose(Verb::ToggleTimed);
    EXPECT_EQ(timed.probe.Clock().SecondsLeft(), 540);
    EXPECT_TRUE(timed.View().clock.shown);
    timed.game.Choose(Verb::NewGame);
    EXPECT_FALSE(timed.View().clock.shown);
}

TEST(Options, CustomOpensAtTheStrengthInPlayAndEndsTheBoutEvenAtAGradedLevelsStrength) {
    BoutTable t;
    t.game.Choose({Verb::ChooseLevel, game::kLevels[1].number});
    t.StartPlayersBout();
    t.form.scheduler.RunFor(1'000);
    EXPECT_EQ(t.game.StrengthInPlay(), game::kLevels[1].strength);
    EXPECT_TRUE(t.Timer("TimerClock").Enabled()) << "the bout goes on";

    // Confirmed at the Champion's values it is still Custom: it ends the bout and keeps no
    // best result.
    t.game.ChooseCustom(game::kChampion.strength);
    EXPECT_TRUE(t.View().menu.custom);
    EXPECT_FALSE(t.View().menu.level);
    EXPECT_FALSE(t.game.Options().level.has_value());
    EXPECT_EQ(t.game.Options().chosen, game::kChampion.strength);
    EXPECT_FALSE(t.Timer("TimerClock").Enabled());
    EXPECT_EQ(t.Pose(Side::Right), "DEFEATB");
    bool offered = false;
    t.game.SetOnNewBest(
        [&](const game::Game::NewBest&, const game::Game::Record&) { offered = true; });
    t.StartPlayersBout();
    t.Score(Side::Right, 15);
    t.Referee().Tick();
    ASSERT_EQ(t.Call(), Call::GameOver);
    EXPECT_FALSE(offered);
}

// Each level's item in the menu chooses the level its caption names.
TEST(Options, EachLevelItemChoosesTheLevelItNames) {
    BoutTable t;
    std::size_t items = 0;
    for (const layout::MenuEntry& entry : layout::kMenu) {
        if (entry.command == layout::MenuCommand::None) continue;
        const auto& choice = layout::Rule(entry.command).choice;
        if (!choice || choice->verb != Verb::ChooseLevel) continue;
        ++items;
        std::string caption(entry.caption);
        std::erase(caption, '&');
        t.game.Choose(*choice);
        ASSERT_TRUE(t.game.Options().level) << caption;
        EXPECT_TRUE(t.game.Options().level->text.starts_with(caption)) << caption;
        EXPECT_EQ(t.game.StrengthInPlay(), t.game.Options().level->strength) << caption;
    }
    EXPECT_EQ(items, game::kLevels.size());
}
