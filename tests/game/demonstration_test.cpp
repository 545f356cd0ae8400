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

// A demonstration begun behind the victory dialog and fenced to its end is nobody's bout: Watch
// Last Bout and Save Replay still offer the player's win, and only that win is kept.
TEST(Demonstration, FencedBehindTheVictoryDialogItNeitherReplacesNorJoinsThePlayersBout) {
    BoutTable t;
    std::vector<game::BoutOver> overs;
    t.game.SetOnEvent([&](const game::BoutEvent& event) {
        if (const auto* over = std::get_if<game::BoutOver>(&event)) overs.push_back(*over);
    });
    bool demonstrationFenced = false;
    t.game.SetOnNewBest([&](const game::Game::NewBest&, const game::Game::Record&) {
        demonstrationFenced =
            t.form.scheduler.RunUntilTrue([&] { return overs.size() == 2; }, 3'600'000);
    });
    // The player extends and lunges until a first hit wins the bout, which beats a record of
    // no hits.
    ASSERT_TRUE(game::WriteBestResult(t.form.store, game::kNovice.number, 0, 0, "Ann"));
    t.game.Choose({Verb::ChooseLevel, game::kNovice.number});
    t.game.Choose({Verb::SetTarget, 1});
    if (t.game.Options().timed) t.game.Choose(Verb::ToggleTimed);
    t.game.Choose({Verb::SetControl, game::ControlMode::Keyboard});
    t.StartPlayersBout();
    const std::u32string& keys = t.game.Options().keysRight;
    for (int step = 0; overs.empty() && step < 2'000; ++step) {
        const auto command = step % 2 ? game::FencerCommand::Lunge : game::FencerCommand::Extend;
        game::TypeKey(t.game, keys[static_cast<std::size_t>(command)]);
        t.form.scheduler.RunUntilTrue([&] { return !overs.empty(); }, 300);
    }
    ASSERT_FALSE(overs.empty());
    ASSERT_EQ(overs[0].winner, Side::Right);
    ASSERT_TRUE(demonstrationFenced);
    ASSERT_FALSE(overs[0].demonstration);
    ASSERT_TRUE(overs[1].demonstration);
    ASSERT_FALSE(std::ranges::equal(t.probe.LastFenced(), t.game.LastReplay()));

    game::Replay replay;
    ASSERT_EQ(game::DecodeReplay(t.game.LastReplay(), replay), game::ReplayError::None);
    const auto last =
        std::find_if(replay.entries.rbegin(), replay.entries.rend(), [](const auto& e) {
            return std::holds_alternative<game::ReplayPicture>(e.what);
        });
    ASSERT_NE(last, replay.entries.rend());
    EXPECT_EQ(std::get<game::ReplayPicture>(last->what).scores, overs[0].score);

    const std::vector<std::string> kept = t.form.bouts.Names();
    ASSERT_EQ(kept.size(), 1u);
    const auto file = t.form.bouts.Read(kept[0]);
    ASSERT_TRUE(file);
    const auto read = game::ReadKeptBout(*file);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->about.score, overs[0].score);
    EXPECT_TRUE(std::ranges::equal(read->replay, t.game.LastReplay()));
}
