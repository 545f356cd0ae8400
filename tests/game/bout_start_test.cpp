// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoutTable.h"
#include "game/bout/BoutRules.h"
#include "game/player/BestResults.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace pistework;
using game::Call;
using game::Side;
using table::BoutTable;

// The salute's pictures and times are in the golden trace; here, what it clears of the bout
// before and how New Game restarts it.
TEST(BoutStart, NewGameClearsTheLastBoutAndStartsTheSaluteAgainEvenHalfwayThrough) {
    BoutTable t;
    t.form.scheduler.RunUntil(1000);
    // Leftovers of an earlier bout: hits, a card, the last call, a fencer off its line.
    t.Score(Side::Left, 7);
    t.Pass(Side::Right);
    for (int call = 0; call < 3; ++call)
        t.Referee().Tick();
    ASSERT_TRUE(t.View().cards[Side::Right].yellow);
    t.probe.FencerOn(Side::Left).PlaceAt(40);
    // A pass cut short by New Game before its ruling.
    t.Pass();
    t.game.Choose(Verb::NewGame);
    EXPECT_EQ(t.View().scores[Side::Left], 0);
    EXPECT_FALSE(t.View().cards[Side::Right].yellow);
    EXPECT_EQ(t.Hits(Side::Left), 0);
    EXPECT_FALSE(t.Timer("TimerAutoPlay").Enabled());
    // The first and the last step of the salute.
    for (const auto& [time, pose, referee] :
         {std::tuple{1300, "SALUTE1A", false}, {2800, "ENGARDEA", true}}) {
        t.form.scheduler.RunUntil(time);
        EXPECT_EQ(t.Pose(Side::Left), pose) << time;
        EXPECT_EQ(t.View().fencers[Side::Left].x, 106) << "back at the start position";
        EXPECT_EQ(t.Call(), Call::None) << time;
        EXPECT_EQ(t.Timer("TimerPresident").Enabled(), referee) << time;
        EXPECT_NE(t.Timer("TimerSalute").Enabled(), referee) << time;
    }
    t.form.scheduler.RunUntil(3800);
    ASSERT_EQ(t.Call(), Call::Engarde);
    // The unruled pass is kept: the first "Engarde" moves the fencers from their start lines
    // as that ruling would, and so does an unruled off-target hit.
    auto from = [](bool offTarget, bool passed) {
        const game::EngardePair to =
            game::EngardePositions(106, 244, offTarget, passed, false, false);
        return std::pair{to.leftA, to.leftB};
    };
    EXPECT_EQ(t.Lefts(), from(false, true));
    BoutTable offTarget;
    offTarget.Hit(Side::Right, true);
    offTarget.game.Choose(Verb::NewGame);
    offTarget.form.scheduler.RunUntil(2800);
    ASSERT_EQ(offTarget.Call(), Call::Engarde);
    EXPECT_EQ(offTarget.Lefts(), from(true, false));
    EXPECT_NE(from(true, false), (std::pair{106, 244})) << "the rulings move the fencers";
    EXPECT_NE(from(false, true), (std::pair{106, 244}));

    // New Game in the middle of the salute starts it again on the next tick: six more steps.
    BoutTable again;
    again.game.Choose(Verb::NewGame);
    again.form.scheduler.RunUntil(1000);
    again.game.Choose(Verb::NewGame);
    again.form.scheduler.RunUntil(1200);
    EXPECT_EQ(again.Pose(Side::Left), "SALUTE1A");
    again.form.scheduler.RunUntil(2699);
    EXPECT_FALSE(again.Timer("TimerPresident").Enabled());
    again.form.scheduler.RunUntil(2700);
    EXPECT_EQ(again.Pose(Side::Left), "ENGARDEA");
    EXPECT_TRUE(again.Timer("TimerPresident").Enabled());
}

TEST(BoutStart, ClockCaptionAndVisibilityFollowTheGameLength) {
    for (const auto& [hits, caption] : {std::pair{15, "9:00"}, {10, "6:00"}, {5, "3:00"}}) {
        BoutTable t;
        t.game.Choose({Verb::SetTarget, hits});
        t.game.Choose(Verb::NewGame);
        EXPECT_EQ(game::ClockCaption(t.View().clock.secondsLeft), caption);
        EXPECT_TRUE(t.View().clock.shown);
    }
    BoutTable untimed;
    untimed.game.Choose(Verb::ToggleTimed);
    untimed.game.Choose(Verb::NewGame);
    EXPECT_FALSE(untimed.View().clock.shown);
}

TEST(BoutStart, DemonstrationsPlayTheChampionAndNewGameBringsBackThePlayersLevel) {
    const game::Level& advanced = game::kLevels[2];
    BoutTable t;
    t.game.Choose({Verb::ChooseLevel, advanced.number});
    t.form.scheduler.RunUntil(15'000);
    EXPECT_TRUE(t.probe.Demonstrating());
    EXPECT_TRUE(t.View().startPrompt);
    EXPECT_FALSE(t.View().commandButtons);
    EXPECT_EQ(t.game.StrengthInPlay(), game::kChampion.strength);
    EXPECT_EQ(t.timerLeft.Interval(), game::kChampion.strength.tickMs);
    EXPECT_EQ(t.game.Options().chosen, advanced.strength);
    EXPECT_TRUE(t.Timer("TimerSalute").Enabled());
    // Choosing a control through the demonstration shows them again.
    t.game.Choose({Verb::SetControl, game::ControlMode::Mouse});
    EXPECT_TRUE(t.View().commandButtons);

    t.game.Choose(Verb::NewGame);
    EXPECT_FALSE(t.probe.Demonstrating());
    EXPECT_FALSE(t.View().startPrompt);
    EXPECT_TRUE(t.View().commandButtons);
    EXPECT_EQ(t.game.StrengthInPlay(), advanced.strength);
    EXPECT_EQ(t.timerLeft.Interval(), advanced.strength.tickMs);

    // Keyboard control keeps the buttons hidden; two players run the left fencer at 100 ms.
    t.game.Choose({Verb::ChooseLevel, game::kNovice.number});
    t.game.Choose({Verb::SetControl, game::ControlMode::Keyboard});
    t.game.Choose(Verb::NewGame);
    EXPECT_FALSE(t.View().commandButtons);
    EXPECT_EQ(t.timerLeft.Interval(), game::kNovice.strength.tickMs);
    t.game.Choose(Verb::ChooseTwoPlayers);
    t.game.Choose(Verb::NewGame);
    EXPECT_EQ(t.timerLeft.Interval(), game::Bout::kPlayerSpeed);
}

TEST(BoutEnd, PlayersBoutArmsAutoPlayAndADemonstrationStartsTheNextThreeSecondsLater) {
    BoutTable t;
    // A player's bout that ends at once: New Game has stopped auto-play.
    t.game.Choose(Verb::NewGame);
    t.Timer("TimerSalute").SetEnabled(false);
    t.Score(Side::Right, 3);
    t.EndBout();
    EXPECT_EQ(t.Poses(), "DEFEATA VICTORYB");
    const auto end = t.Now();
    t.form.scheduler.RunUntil(end + 14'999);
    EXPECT_FALSE(t.probe.Demonstrating());
    t.form.scheduler.RunUntil(end + 15'000);
    EXPECT_TRUE(t.probe.Demonstrating());

    // A demonstration's end keeps its result on show for ten silent salute ticks.
    t.Timer("TimerSalute").SetEnabled(false);
    t.Score(Side::Left, 2);
    t.EndBout();
    const auto demoEnd = t.Now();
    EXPECT_FALSE(t.Timer("TimerAutoPlay").Enabled());
    t.form.scheduler.RunUntil(demoEnd + 2999);
    EXPECT_EQ(t.Pose(Side::Left), "VICTORYA");
    EXPECT_EQ(t.Hits(Side::Left), 2);
    t.form.scheduler.RunUntil(demoEnd + 3000);
    EXPECT_EQ(t.Pose(Side::Left), "DEFEATA");
    EXPECT_EQ(t.Hits(Side::Left), 0) << "the next demonstration bout has begun";
    t.form.scheduler.RunUntil(demoEnd + 3300);
    EXPECT_EQ(t.Pose(Side::Left), "SALUTE1A");
}

TEST(BoutEnd, ABestResultIsOfferedOnlyForAPlayersWinOverAGradedLevel) {
    constexpr int kCustom = 0, kTwoPlayers = -1;
    struct Case {
        int level; // 1 to 6, or custom or two players
        int hitsA, hitsB;
        bool demo;
        bool offered;
    };
    for (const Case c :
         {Case{1, 2, 5, false, true}, Case{2, 0, 5, false, true}, Case{3, 4, 5, false, true},
          Case{4, 1, 5, false, true}, Case{5, 1, 5, false, true}, Case{6, 3, 5, false, true},
          Case{6, 5, 3, false, false}, Case{6, 2, 2, false, false}, Case{6, 0, 5, true, false},
          Case{kCustom, 0, 5, false, false}, Case{kTwoPlayers, 0, 5, false, false}}) {
        SCOPED_TRACE(::testing::Message() << c.level << " " << c.hitsA << ":" << c.hitsB);
        BoutTable t;
        std::vector<std::tuple<int, int, int>> offers;
        t.game.SetOnNewBest([&](const game::Game::NewBest& best, const game::Game::Record&) {
            offers.emplace_back(best.level, best.score[Side::Left], best.score[Side::Right]);
        });
        if (c.level == kCustom) t.game.ChooseCustom(game::kChampion.strength);
        if (c.level == kTwoPlayers) t.game.Choose(Verb::ChooseTwoPlayers);
        if (c.level > 0) t.game.Choose({Verb::ChooseLevel, c.level});
        t.game.Choose(Verb::NewGame);
        t.probe.SetDemonstrating(c.demo);
        t.Score(Side::Left, c.hitsA);
        t.Score(Side::Right, c.hitsB);
        t.EndBout();
        using Offers = std::vector<std::tuple<int, int, int>>;
        EXPECT_EQ(offers, (c.offered ? Offers{{c.level, c.hitsA, c.hitsB}} : Offers{}));
        EXPECT_EQ(t.Timer("TimerAutoPlay").Enabled(), !c.demo);
    }
    // A better win that another window stored while the name was typed stands.
    BoutTable t;
    game::Game::Record record;
    t.game.SetOnNewBest(
        [&](const game::Game::NewBest&, const game::Game::Record& r) { record = r; });
    t.game.Choose({Verb::ChooseLevel, game::kChampion.number});
    t.game.Choose(Verb::NewGame);
    t.Score(Side::Left, 3);
    t.Score(Side::Right, 5);
    t.EndBout();
    ASSERT_TRUE(record);
    ASSERT_TRUE(game::WriteBestResult(t.form.store, game::kChampion.number, 0, 5, "Ann"));
    EXPECT_TRUE(record("Bob"));
    EXPECT_EQ(game::ReadBestResults(t.form.store)[game::kChampion.number].winner, "Ann");

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

    auto secondsLeft = [](const BoutTable& t) { return t.View().clock.secondsLeft; };
    BoutTable t;
    t.game.Choose({Verb::SetTarget, 5});
    t.StartPlayersBout();
    // "Fence" was one second ago; the clock's first tick is due now.
    t.Stand(0);
    EXPECT_EQ(secondsLeft(t), 179);
    ASSERT_TRUE(t.form.scheduler.RunUntilTrue([&] { return secondsLeft(t) == 2; }, 200'000));
    t.form.scheduler.RunFor(2000);
    EXPECT_EQ(secondsLeft(t), 0);
    EXPECT_TRUE(t.Timer("TimerClock").Enabled()) << "0:00 shows for one full tick first";
    t.form.scheduler.RunFor(1000);
    EXPECT_FALSE(t.Timer("TimerClock").Enabled());
    EXPECT_EQ(t.Referee().CurrentPhase(), game::Phase::TimeOutHalt);

    // Untimed, the hidden clock wraps round and runs on.
    BoutTable untimed;
    untimed.game.Choose({Verb::SetTarget, 5});
    untimed.game.Choose(Verb::ToggleTimed);
    untimed.StartPlayersBout();
    untimed.Stand(0);
    ASSERT_TRUE(
        untimed.form.scheduler.RunUntilTrue([&] { return secondsLeft(untimed) == 0; }, 200'000));
    untimed.form.scheduler.RunFor(1000);
    EXPECT_EQ(secondsLeft(untimed), 540);
    EXPECT_TRUE(untimed.Timer("TimerClock").Enabled());
    EXPECT_EQ(untimed.Referee().CurrentPhase(), game::Phase::Halt);
}
