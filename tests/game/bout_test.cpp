// Whole bouts, fenced by the computer or by scripted players, from start to "Game Over".

#include "BoutTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <malloc.h>

using namespace pistework;
using game::Side;
using table::BoutTable;

namespace {

constexpr std::int64_t kHour = 3'600'000;
constexpr std::int64_t kStart = 1'700'000'000'000;

bool RunToGameOver(BoutTable& t, std::int64_t limit = kHour) {
    return t.form.scheduler.RunUntilTrue([&] { return t.Call() == "Game Over"; }, limit);
}

std::size_t Count(const std::vector<std::string>& calls, const std::string& text) {
    return static_cast<std::size_t>(std::count(calls.begin(), calls.end(), text));
}

// A player who walks up to lunging distance of a fencer standing engarde, extends and lunges,
// pressing a key only while its fencer stands with nothing requested. Returns when the
// referee has the phrase.
void Attack(BoutTable& t, Side side) {
    using enum game::Action;
    ASSERT_TRUE(t.RunToFencing());
    const std::u32string& keys =
        side == Side::Left ? t.game.Options().keysLeft : t.game.Options().keysRight;
    const game::Fencer& fencer = t.game.FencerOn(side);
    const game::FencerState& f = fencer.State();
    // The lunge's point lands on the other's body point from ten steps forward.
    const int lungeLine = side == Side::Left ? 206 : 144;
    bool lunged = false;
    const auto until = t.Now() + 60'000;
    while (!t.form.TimerPresident.Enabled()) {
        ASSERT_LT(t.Now(), until) << "the lunge never landed";
        const bool idle = (f.action == Stand || f.action == StandExtended) &&
                          (f.requestedAction == Stand || f.requestedAction == StandExtended);
        if (idle && fencer.Left() != lungeLine)
            t.form.txtKeyboard.Type(keys[0]);
        else if (idle && !f.armExtended)
            t.form.txtKeyboard.Type(keys[1]);
        else if (idle && !lunged) {
            t.form.txtKeyboard.Type(keys[2]);
            lunged = true;
        }
        t.form.scheduler.RunFor(50);
    }
}

} // namespace

TEST(WholeBout, ADemonstrationPlaysToGameOverAndTheNextBeginsThreeSecondsLater) {
    BoutTable t(kStart);
    t.form.scheduler.RunFor(15'000);
    ASSERT_TRUE(t.game.Demonstrating());
    const auto wallStart = std::chrono::steady_clock::now();
    const auto start = t.Now();
    ASSERT_TRUE(RunToGameOver(t));
    const auto wall = std::chrono::steady_clock::now() - wallStart;
    RecordProperty("virtual_ms", std::to_string(t.Now() - start));
    RecordProperty(
        "wall_us",
        std::to_string(std::chrono::duration_cast<std::chrono::microseconds>(wall).count()));

    const auto& calls = t.form.lblEngarde.History();
    const int a = t.Hits(Side::Left), b = t.Hits(Side::Right);
    EXPECT_TRUE(a == 15 || b == 15 || t.form.lblTime.Caption() == "0:00");
    EXPECT_LE(std::max(a, b), 15);
    EXPECT_EQ(t.form.lblScore0.Caption(), std::to_string(a));
    EXPECT_EQ(t.form.lblScore1.Caption(), std::to_string(b));
    // Every point on the board was ruled: valid hits and red cards.
    const std::size_t awarded =
        Count(calls, "Successful") + Count(calls, "Attack is Successful\rCounter is Out of Time") +
        Count(calls, "Warning - Red Card Left") + Count(calls, "Warning - Red Card Right");
    EXPECT_EQ(awarded, static_cast<std::size_t>(a + b));
    EXPECT_GT(Count(calls, "Halt"), awarded);
    EXPECT_EQ(t.form.imgFencerA.PictureName(), a > b ? "VICTORYA" : "DEFEATA");
    EXPECT_EQ(t.form.imgFencerB.PictureName(), b > a ? "VICTORYB" : "DEFEATB");
    EXPECT_TRUE(t.form.lblStart.Visible());
    EXPECT_FALSE(t.form.cmdLunge.Visible());

    const auto over = t.Now();
    t.form.scheduler.RunUntil(over + 2999);
    EXPECT_EQ(t.form.lblScore0.Caption(), std::to_string(a)) << "the result stays on show";
    t.form.scheduler.RunUntil(over + 3000);
    EXPECT_EQ(t.form.lblScore0.Caption(), "0");
    EXPECT_EQ(t.form.lblScore1.Caption(), "0");
    EXPECT_TRUE(t.game.Demonstrating());
    t.form.scheduler.RunUntil(over + 3300);
    EXPECT_EQ(t.form.imgFencerA.PictureName(), "SALUTE1A");
    // The salute is made from the start marks, wherever the last bout ended.
    EXPECT_EQ(t.form.imgFencerA.Left(), 106);
    EXPECT_EQ(t.form.imgFencerB.Left(), 244);
    EXPECT_EQ(t.game.FencerOn(Side::Left).Left(), 106);
    EXPECT_EQ(t.game.FencerOn(Side::Right).Left(), 244);
    EXPECT_TRUE(RunToGameOver(t));

    // The same start time replays the same bout.
    BoutTable replay(kStart);
    replay.form.scheduler.RunFor(15'000);
    ASSERT_TRUE(RunToGameOver(replay));
    EXPECT_EQ(replay.Now(), over);
    EXPECT_EQ(replay.Hits(Side::Left), a);
    EXPECT_EQ(replay.Hits(Side::Right), b);
}

TEST(WholeBout, TwoPlayersFenceToFiveAndAutoPlayTakesOverAfterwards) {
    BoutTable t(kStart);
    int offers = 0;
    t.game.SetOnBestResult([&](int, int, int) { ++offers; });
    t.form.Menu("Firstto5").Click();
    t.form.Menu("mnu2Player").Click();
    t.form.Menu("mnuFileNewGame").Click();
    for (int hit = 0; hit < 9; ++hit) {
        const Side side = hit % 2 == 0 ? Side::Left : Side::Right;
        Attack(t, side);
        t.form.scheduler.RunFor(2000);
        EXPECT_EQ(t.Call(), side == Side::Left ? "Attack from the Left" : "Attack from the Right");
        t.form.scheduler.RunFor(1000);
        EXPECT_EQ(t.Call(), "Successful");
        EXPECT_EQ(t.Hits(Side::Left), (hit + 2) / 2);
        EXPECT_EQ(t.Hits(Side::Right), (hit + 1) / 2);
    }
    t.form.scheduler.RunFor(1000);
    EXPECT_EQ(t.Call(), "Game Over");
    EXPECT_EQ(t.form.lblScore0.Caption(), "5");
    EXPECT_EQ(t.form.lblScore1.Caption(), "4");
    EXPECT_EQ(t.form.imgFencerA.PictureName(), "VICTORYA");
    EXPECT_EQ(t.form.imgFencerB.PictureName(), "DEFEATB");
    EXPECT_EQ(offers, 0) << "two-player bouts keep no best result";
    t.form.scheduler.RunFor(15'000);
    EXPECT_TRUE(t.game.Demonstrating());
    EXPECT_TRUE(t.form.lblStart.Visible());
}

TEST(WholeBout, ATimedBoutRunsOutAtALevelScoreWithBothDefeated) {
    BoutTable t(kStart);
    int offers = 0;
    t.game.SetOnBestResult([&](int, int, int) { ++offers; });
    t.form.Menu("Firstto5").Click();
    ASSERT_TRUE(t.form.Menu("TimedBout").Checked());
    t.form.Menu("mnu2Player").Click();
    t.form.Menu("mnuFileNewGame").Click();
    EXPECT_EQ(t.form.lblTime.Caption(), "3:00");
    Attack(t, Side::Right);
    Attack(t, Side::Left);
    // Then both players stand and wait.
    ASSERT_TRUE(RunToGameOver(t, 10 * 60'000));
    const auto& calls = t.form.lblEngarde.History();
    EXPECT_EQ(std::vector<std::string>(calls.end() - 2, calls.end()),
              (std::vector<std::string>{"Halt", "Game Over"}));
    EXPECT_EQ(t.form.lblTime.Caption(), "0:00");
    EXPECT_EQ(t.Hits(Side::Left), 1);
    EXPECT_EQ(t.Hits(Side::Right), 1);
    EXPECT_EQ(t.form.imgFencerA.PictureName(), "DEFEATA");
    EXPECT_EQ(t.form.imgFencerB.PictureName(), "DEFEATB");
    EXPECT_EQ(t.form.imgLightA.PictureName(), "LIGHTOFFA");
    EXPECT_EQ(offers, 0);
}

// Demonstration bouts one after another for a day of virtual time at each game length,
// timed and untimed. Every bout must end, leave nothing running but the pause before the
// next, and keep its score within the target; the game's memory must not grow.
TEST(DemonstrationSoak, ADayOfDemonstrationsAtEveryGameLength) {
    struct Length {
        const char* item;
        int maxHits;
    };
    const auto wallStart = std::chrono::steady_clock::now();
    std::int64_t virtualTotal = 0;
    int bouts = 0;
    for (const Length length : {Length{"Firstto5", 5}, {"Firstto10", 10}, {"Firstto15", 15}}) {
        for (const bool timed : {true, false}) {
            const std::string name = std::string(length.item) + (timed ? " timed" : " untimed");
            BoutTable t(kStart);
            t.form.Menu(length.item).Click();
            if (t.form.Menu("TimedBout").Checked() != timed) t.form.Menu("TimedBout").Click();
            t.form.scheduler.RunFor(15'000);
            const auto begin = t.Now();
            std::size_t heapAfterAnHour = 0;
            while (t.Now() - begin < 24 * kHour) {
                const auto boutStart = t.Now();
                ASSERT_TRUE(RunToGameOver(t))
                    << name << ": the bout from " << boutStart << " ms never ended";
                ++bouts;
                const int a = t.Hits(Side::Left);
                const int b = t.Hits(Side::Right), target = length.maxHits;
                ASSERT_LE(std::max(a, b), target) << name << " at " << boutStart;
                ASSERT_TRUE(a == target || b == target ||
                            (timed && t.game.Clock().SecondsLeft() == 0))
                    << name << " at " << boutStart << ": ended at " << a << ":" << b;
                ASSERT_EQ(t.form.lblScore0.Caption(), std::to_string(a));
                ASSERT_EQ(t.form.lblScore1.Caption(), std::to_string(b));
                ASSERT_EQ(t.game.President().CurrentPhase(), game::Phase::Engarde);
                for (auto* timer : {&t.form.TimerLeft, &t.form.TimerRight, &t.form.TimerPresident,
                                    &t.form.TimerClock, &t.form.TimerAutoPlay})
                    ASSERT_FALSE(timer->Enabled())
                        << name << " at " << boutStart << ": " << timer->Name() << " left running";
                ASSERT_TRUE(t.form.TimerSalute.Enabled());
                // The result stays on show for three seconds, then the next bout begins.
                t.form.scheduler.RunFor(2999);
                ASSERT_EQ(t.Hits(Side::Left) + t.Hits(Side::Right), a + b);
                t.form.scheduler.RunFor(1);
                ASSERT_EQ(t.Hits(Side::Left) + t.Hits(Side::Right), 0);
                t.form.scheduler.RunFor(300);
                ASSERT_EQ(t.form.imgFencerA.PictureName(), "SALUTE1A");
                ASSERT_EQ(t.game.FencerOn(Side::Left).Left(), 106);
                ASSERT_EQ(t.game.FencerOn(Side::Right).Left(), 244);

                for (auto* label : {&t.form.lblEngarde, &t.form.lblScore0, &t.form.lblScore1,
                                    &t.form.lblTime, &t.form.lblRedCount0, &t.form.lblRedCount1})
                    label->ClearHistory();
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
