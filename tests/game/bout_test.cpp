// SPDX-License-Identifier: GPL-3.0-or-later
// Whole bouts, fenced by the computer or by scripted players, from start to "Game Over".

#include "BoutTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <malloc.h>

using namespace pistework;
using game::Call;
using game::Side;
using table::BoutTable;

namespace {

constexpr std::int64_t kHour = 3'600'000;
constexpr std::int64_t kStart = 1'700'000'000'000;

bool RunToGameOver(BoutTable& t, std::int64_t limit = kHour) {
    return t.form.scheduler.RunUntilTrue([&] { return t.Call() == Call::GameOver; }, limit);
}

std::size_t Count(const BoutTable& t, Call call) {
    return static_cast<std::size_t>(std::count_if(
        t.calls.begin(), t.calls.end(), [call](game::RefereeCall c) { return c.call == call; }));
}

// A player who walks up to lunging distance of a fencer standing engarde, extends and lunges,
// pressing a key only while its fencer stands with nothing requested. Returns when the
// referee has the phrase.
void Attack(BoutTable& t, Side side) {
    using enum game::Action;
    ASSERT_TRUE(t.RunToFencing());
    const std::u32string& keys =
        side == Side::Left ? t.game.Options().keysLeft : t.game.Options().keysRight;
    const game::Fencer& fencer = t.probe.FencerOn(side);
    const game::FencerState& f = fencer.State();
    // The lunge's point lands on the other's body point from ten steps forward.
    const int lungeLine = side == Side::Left ? 206 : 144;
    bool lunged = false;
    const auto until = t.Now() + 60'000;
    while (!t.Timer("TimerPresident").Enabled()) {
        ASSERT_LT(t.Now(), until) << "the lunge never landed";
        const bool idle = (f.action == Stand || f.action == StandExtended) &&
                          (f.requestedAction == Stand || f.requestedAction == StandExtended);
        if (idle && fencer.Left() != lungeLine)
            TypeKey(t.game, keys[0]);
        else if (idle && !f.armExtended)
            TypeKey(t.game, keys[1]);
        else if (idle && !lunged) {
            TypeKey(t.game, keys[2]);
            lunged = true;
        }
        t.form.scheduler.RunFor(50);
    }
}

} // namespace

TEST(WholeBout, ADemonstrationPlaysToGameOverWithEveryPointRuledAndReplaysAlike) {
    BoutTable t(kStart);
    t.form.scheduler.RunFor(15'000);
    ASSERT_TRUE(t.probe.Demonstrating());
    const auto wallStart = std::chrono::steady_clock::now();
    const auto start = t.Now();
    ASSERT_TRUE(RunToGameOver(t));
    const auto wall = std::chrono::steady_clock::now() - wallStart;
    RecordProperty("virtual_ms", std::to_string(t.Now() - start));
    RecordProperty(
        "wall_us",
        std::to_string(std::chrono::duration_cast<std::chrono::microseconds>(wall).count()));

    const int a = t.Hits(Side::Left), b = t.Hits(Side::Right);
    EXPECT_TRUE(a == 15 || b == 15 || t.View().clock.secondsLeft == 0);
    EXPECT_LE(std::max(a, b), 15);
    EXPECT_EQ(t.probe.Scores().Hits(Side::Left), a);
    EXPECT_EQ(t.probe.Scores().Hits(Side::Right), b);
    // Every point on the board was ruled: valid hits and red cards.
    const std::size_t awarded = Count(t, Call::Successful) +
                                Count(t, Call::SuccessfulCounterOutOfTime) +
                                Count(t, Call::RedCard);
    EXPECT_EQ(awarded, static_cast<std::size_t>(a + b));
    EXPECT_GT(Count(t, Call::Halt), awarded);
    EXPECT_EQ(t.Pose(Side::Left), a > b ? "VICTORYA" : "DEFEATA");
    EXPECT_EQ(t.Pose(Side::Right), b > a ? "VICTORYB" : "DEFEATB");
    EXPECT_TRUE(t.View().startPrompt);
    EXPECT_FALSE(t.View().commandButtons);

    const auto over = t.Now();

    // The same start time replays the same bout.
    BoutTable replay(kStart);
    replay.form.scheduler.RunFor(15'000);
    ASSERT_TRUE(RunToGameOver(replay));
    EXPECT_EQ(replay.Now(), over);
    EXPECT_EQ(replay.Score(), (std::pair{a, b}));
}

TEST(WholeBout, TwoPlayersFenceToFiveAndAutoPlayTakesOverAfterwards) {
    BoutTable t(kStart);
    int offers = 0;
    t.game.SetOnNewBest([&](const game::Game::NewBest&, const game::Game::Record&) { ++offers; });
    t.game.Choose({Verb::SetTarget, 5});
    t.game.Choose(Verb::ChooseTwoPlayers);
    t.game.Choose(Verb::NewGame);
    for (int hit = 0; hit < 9; ++hit) {
        const Side side = hit % 2 == 0 ? Side::Left : Side::Right;
        Attack(t, side);
        t.form.scheduler.RunFor(2000);
        EXPECT_EQ(t.View().call, (game::RefereeCall{Call::Attack, side}));
        t.form.scheduler.RunFor(1000);
        EXPECT_EQ(t.Call(), Call::Successful);
        EXPECT_EQ(t.Score(), (std::pair{(hit + 2) / 2, (hit + 1) / 2}));
    }
    t.form.scheduler.RunFor(1000);
    EXPECT_EQ(t.Call(), Call::GameOver);
    EXPECT_EQ(t.Score(), (std::pair{5, 4}));
    EXPECT_EQ(t.Poses(), "VICTORYA DEFEATB");
    EXPECT_EQ(offers, 0) << "two-player bouts keep no best result";
    t.form.scheduler.RunFor(15'000);
    EXPECT_TRUE(t.probe.Demonstrating());
    EXPECT_TRUE(t.View().startPrompt);
}

TEST(WholeBout, ATimedBoutRunsOutAtALevelScoreWithBothDefeated) {
    BoutTable t(kStart);
    int offers = 0;
    t.game.SetOnNewBest([&](const game::Game::NewBest&, const game::Game::Record&) { ++offers; });
    t.game.Choose({Verb::SetTarget, 5});
    ASSERT_TRUE(t.View().menu.timed);
    t.game.Choose(Verb::ChooseTwoPlayers);
    t.game.Choose(Verb::NewGame);
    EXPECT_EQ(t.View().clock.secondsLeft, 180);
    Attack(t, Side::Right);
    Attack(t, Side::Left);
    // Then both players stand and wait.
    ASSERT_TRUE(RunToGameOver(t, 10 * 60'000));
    EXPECT_EQ(std::vector(t.calls.end() - 3, t.calls.end()),
              (std::vector<game::RefereeCall>{{Call::Fence}, {Call::Halt}, {Call::GameOver}}));
    EXPECT_EQ(t.View().clock.secondsLeft, 0);
    EXPECT_EQ(t.Score(), (std::pair{1, 1}));
    EXPECT_EQ(t.Poses(), "DEFEATA DEFEATB");
    EXPECT_EQ(t.View().lamps[Side::Left], game::Lamp::Off);
    EXPECT_EQ(offers, 0);
}

// Demonstration bouts one after another for a day of virtual time at each game length,
// timed and untimed. Every bout must end, leave nothing running but the pause before the
// next, which begins three seconds later, and keep its score within the target; the game's
// memory must not grow.
TEST(DemonstrationSoak, ADayOfDemonstrationsAtEveryGameLength) {
    const auto wallStart = std::chrono::steady_clock::now();
    std::int64_t virtualTotal = 0;
    int bouts = 0;
    for (const int target : {5, 10, 15}) {
        for (const bool timed : {true, false}) {
            const std::string name = std::to_string(target) + (timed ? " timed" : " untimed");
            BoutTable t(kStart);
            // The soak keeps no calls: the game's memory alone must not grow.
            t.game.SetOnEvent({});
            t.game.Choose({Verb::SetTarget, target});
            if (t.View().menu.timed != timed) t.game.Choose(Verb::ToggleTimed);
            t.form.scheduler.RunFor(15'000);
            const auto begin = t.Now();
            std::size_t heapAfterAnHour = 0;
            while (t.Now() - begin < 24 * kHour) {
                const auto boutStart = t.Now();
                ASSERT_TRUE(RunToGameOver(t))
                    << name << ": the bout from " << boutStart << " ms never ended";
                ++bouts;
                const int a = t.Hits(Side::Left);
                const int b = t.Hits(Side::Right);
                ASSERT_LE(std::max(a, b), target) << name << " at " << boutStart;
                ASSERT_TRUE(a == target || b == target ||
                            (timed && t.probe.Clock().SecondsLeft() == 0))
                    << name << " at " << boutStart << ": ended at " << a << ":" << b;
                ASSERT_EQ(t.probe.Scores().Hits(Side::Left), a);
                ASSERT_EQ(t.probe.Scores().Hits(Side::Right), b);
                ASSERT_EQ(t.Referee().CurrentPhase(), game::Phase::Engarde);
                for (const char* timer :
                     {"TimerLeft", "TimerRight", "TimerPresident", "TimerClock", "TimerAutoPlay"})
                    ASSERT_FALSE(t.Timer(timer).Enabled())
                        << name << " at " << boutStart << ": " << timer << " left running";
                ASSERT_TRUE(t.Timer("TimerSalute").Enabled());
                // The result stays on show for three seconds, then the next bout begins.
                t.form.scheduler.RunFor(2999);
                ASSERT_EQ(t.Hits(Side::Left) + t.Hits(Side::Right), a + b);
                t.form.scheduler.RunFor(1);
                ASSERT_EQ(t.Hits(Side::Left) + t.Hits(Side::Right), 0);
                t.form.scheduler.RunFor(300);
                ASSERT_EQ(t.Poses(), "SALUTE1A SALUTE1B");
                // The salute is made from the start marks, wherever the last bout ended.
                ASSERT_EQ(t.Lefts(), (std::pair{106, 244}));
                if (heapAfterAnHour == 0 && t.Now() - begin > kHour)
                    heapAfterAnHour = mallinfo2().uordblks;
            }
            virtualTotal += t.Now() - begin;
#if !defined(__SANITIZE_ADDRESS__)
            // Under the address sanitizer the C library's heap is not the one in use.
            EXPECT_LE(mallinfo2().uordblks, heapAfterAnHour + 16 * 1024) << name;
#endif
        }
    }
    RecordProperty("bouts", bouts);
    RecordProperty("virtual_ms", std::to_string(virtualTotal));
    RecordProperty("wall_ms", std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                 std::chrono::steady_clock::now() - wallStart)
                                                 .count()));
}
