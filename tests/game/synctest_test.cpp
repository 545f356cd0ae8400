// SPDX-License-Identifier: GPL-3.0-or-later
// The bout as a value: saved and restored at every tick, it fences exactly the bout it fences
// straight through, and its digest tells two bouts apart exactly when they differ.

#include "game/bout/Bout.h"

#include <gtest/gtest.h>

#include <random>

using namespace pistework::game;

namespace {

constexpr std::int64_t kStart = 1'700'000'000'000;

// A random bout: who fences the left side, its length and clock, and a demonstration or not.
Bout RandomBout(std::minstd_rand& draw) {
    Bout bout(kStart + static_cast<std::int64_t>(draw() % 100'000) * 1000);
    bout.Take(bout.Now(), BoutSettings{.target = 5,
                                       .timed = draw() % 2 == 0,
                                       .computerLeft = draw() % 2 == 0,
                                       .strength = {static_cast<int>(draw() % 12),
                                                    80 + static_cast<int>(draw() % 60)}});
    bout.StartNew(draw() % 4 == 0);
    return bout;
}

// A player's key now and then: either side, any command, as the bout may or may not take it.
void MaybeCommand(std::minstd_rand& draw, Bout& bout) {
    if (draw() % 3 != 0) return;
    bout.Take(bout.Now(), input::Order{draw() % 2 == 0 ? Side::Left : Side::Right,
                                       static_cast<FencerCommand>(draw() % 6)});
}

} // namespace

TEST(Synctest, SavingAndRestoringAtEveryTickFencesTheSameBout) {
    constexpr int kBouts = 24;
    constexpr int kTicks = 4000; // a few minutes of bout; a demonstration never ends
    for (int seed = 1; seed <= kBouts; ++seed) {
        std::minstd_rand draw(static_cast<std::uint32_t>(seed));
        Bout straight = RandomBout(draw);
        Bout synced = straight;
        std::minstd_rand inputs(draw());
        for (int tick = 0; tick < kTicks && straight.NextDue(); ++tick) {
            std::minstd_rand same = inputs;
            MaybeCommand(inputs, straight);
            MaybeCommand(same, synced);
            straight.RunNext();
            // Save, advance, restore and advance again, as rollback does at every step.
            const Bout saved = synced;
            synced.RunNext();
            synced = saved;
            synced.RunNext();
            ASSERT_TRUE(straight == synced) << "bout " << seed << ", tick " << tick;
            ASSERT_EQ(straight.Digest(), synced.Digest()) << "bout " << seed;
            ASSERT_TRUE(straight.TakeNews() == synced.TakeNews())
                << "bout " << seed << ", " << tick;
        }
    }
}

// One command more on one side: from then on the two bouts differ, and the digest says so at
// every tick they do, whatever part of the bout the difference lies in.
TEST(Synctest, TheDigestDiffersExactlyWhenTheBoutsDo) {
    int differed = 0;
    for (int seed = 1; seed <= 24; ++seed) {
        std::minstd_rand draw(static_cast<std::uint32_t>(seed));
        Bout one = RandomBout(draw);
        Bout other = one;
        const int extraAt = static_cast<int>(draw() % 400);
        for (int tick = 0; tick < 1500 && one.NextDue() && other.NextDue(); ++tick) {
            if (tick == extraAt)
                other.Take(other.Now(), input::Order{draw() % 2 == 0 ? Side::Left : Side::Right,
                                                     static_cast<FencerCommand>(draw() % 6)});
            ASSERT_EQ(one == other, one.Digest() == other.Digest())
                << "bout " << seed << ", tick " << tick;
            differed += one != other;
            one.RunNext();
            other.RunNext();
            // What happened is told, not kept: the digest is of the bout alone.
            (void)one.TakeNews();
            (void)other.TakeNews();
        }
    }
    EXPECT_GT(differed, 0) << "no command ever changed a bout";
}
