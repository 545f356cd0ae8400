// SPDX-License-Identifier: GPL-3.0-or-later
// The bout two games fence from stamped inputs: however late and in whatever order the inputs
// come, the present is the bout fenced with every input in time, and what was told is told once.

#include "game/network/SharedBout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace pistework::game;

namespace {

constexpr SharedSetup kSetup{.target = 1, .timed = true, .start = 1'700'000'123'456};
constexpr std::int64_t kEnd = 90'000;

// Both players pressing a key every 150 to 750 ms, now and then a pause and its end.
std::vector<StampedInput> Inputs(std::uint32_t seed) {
    std::vector<StampedInput> all;
    for (std::int64_t ms = 0; ms < kEnd - 2'000;) {
        seed = seed * 1664525u + 1013904223u;
        ms += 150 + (seed >> 8) % 600;
        const Side side = (seed >> 20) & 1 ? Side::Left : Side::Right;
        if ((seed >> 4) % 40 == 0) {
            all.push_back({ms, side, Input::Pause});
            ms += 700;
            all.push_back({ms, Opposite(side), Input::Resume});
        } else {
            all.push_back({ms, side, static_cast<Input>((seed >> 12) % 6)});
        }
    }
    return all;
}

struct Fenced {
    BoutView view;
    std::vector<std::uint32_t> digests;
    std::vector<std::uint8_t> replay;
    std::vector<BoutEvent> told;
    int rollbacks = 0, takenBack = 0;
};

// Each input arrives `late(input)` after its stamp; the bout is shown every 10 ms meanwhile.
Fenced Fence(const std::vector<StampedInput>& inputs,
             const std::function<std::int64_t(const StampedInput&)>& late) {
    std::vector<std::pair<std::int64_t, StampedInput>> arrivals;
    for (const StampedInput& input : inputs)
        arrivals.emplace_back(input.ms + late(input), input);
    std::stable_sort(arrivals.begin(), arrivals.end(),
                     [](auto& a, auto& b) { return a.first < b.first; });
    SharedBout bout(kSetup);
    Fenced f;
    auto take = [&] {
        for (BoutEvent& e : bout.TakeNews())
            f.told.push_back(std::move(e));
    };
    std::size_t next = 0;
    for (std::int64_t now = 0; now <= kEnd; now += 10) {
        for (; next < arrivals.size() && arrivals[next].first <= now; ++next) {
            bout.AdvanceTo(arrivals[next].first);
            bout.Add(arrivals[next].second);
        }
        bout.AdvanceTo(now);
        take();
    }
    for (; next < arrivals.size(); ++next)
        bout.Add(arrivals[next].second);
    take();
    f.view = bout.View();
    for (std::int64_t s = SharedBout::kDigestMs; s <= kEnd; s += SharedBout::kDigestMs)
        f.digests.push_back(bout.DigestAt(s).value());
    f.replay.assign(bout.ReplayFile().begin(), bout.ReplayFile().end());
    f.rollbacks = bout.Rollbacks();
    f.takenBack = bout.TakenBack();
    return f;
}

} // namespace

TEST(SharedBout, HoweverLateInputsComeThePresentIsTheBoutFencedWithThemInTime) {
    struct Case {
        const char* what;
        std::function<std::int64_t(const StampedInput&)> late;
        bool rollsBack;
    };
    const Case cases[] = {
        {"the other's inputs 75 ms late",
         [](const StampedInput& i) { return i.side == Side::Left ? 75 : 0; }, true},
        {"both sides late, each by its own jittered delay",
         [](const StampedInput& i) { return (i.ms * 7919) % 300 + (i.side == Side::Left); }, true},
        {"the left's inputs of a whole minute at once",
         [](const StampedInput& i) { return i.side == Side::Left ? 60'000 - i.ms % 60'000 : 0; },
         true},
        {"the right's input before the left's of the same instant",
         [](const StampedInput&) { return 0; }, true},
    };
    for (std::uint32_t seed : {1u, 20261208u}) {
        std::vector<StampedInput> inputs = Inputs(seed);
        // Two inputs of one instant, the right one arriving first.
        inputs.insert(inputs.begin() + 3, {inputs[3].ms, Side::Left, Input::Lunge});
        inputs.insert(inputs.begin() + 3, {inputs[3].ms, Side::Right, Input::Extend});
        std::vector<StampedInput> ordered = inputs;
        std::stable_sort(ordered.begin(), ordered.end(), [](auto& a, auto& b) {
            return a.ms < b.ms || (a.ms == b.ms && a.side == Side::Left && b.side == Side::Right);
        });
        const Fenced inTime = Fence(ordered, [](const StampedInput&) { return 0; });
        ASSERT_EQ(inTime.rollbacks, 0);
        ASSERT_FALSE(inTime.replay.empty()) << "no bout came to its end";
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.what << ", seed " << seed);
            const Fenced late = Fence(inputs, c.late);
            EXPECT_EQ(late.rollbacks > 0, c.rollsBack);
            EXPECT_EQ(late.view, inTime.view);
            EXPECT_EQ(late.digests, inTime.digests);
            EXPECT_EQ(late.replay, inTime.replay);
            // Every event of the bout is told, and besides them only those taken back.
            EXPECT_EQ(late.told.size(),
                      inTime.told.size() + static_cast<std::size_t>(late.takenBack));
            std::vector<BoutEvent> left = late.told;
            for (const BoutEvent& e : inTime.told) {
                const auto found = std::find(left.begin(), left.end(), e);
                ASSERT_NE(found, left.end());
                left.erase(found);
            }
        }
    }
}

// Both fencers are people's: with nobody pressing a key neither moves from the line, and
// when the clock ends the bout its result stays on show, with no demonstration after it.
TEST(SharedBout, NobodyButThePlayersFencesAndTheResultStays) {
    SharedBout bout({.target = 5, .timed = true, .start = 1'700'000'000'000});
    bout.AdvanceTo(20'000);
    EXPECT_EQ(bout.View().fencers[Side::Left].x, kEngardeLeftA) << "the computer took a side";
    EXPECT_EQ(bout.View().fencers[Side::Right].x, kEngardeLeftB);
    bout.AdvanceTo(SharedBout::kLongestMs);
    ASSERT_TRUE(bout.OverAt());
    EXPECT_EQ(bout.View().call.call, Call::GameOver);
    EXPECT_FALSE(bout.NextDue()) << "something still runs after the end";
}

// A pause stands the whole bout still, and its end starts every timer afresh: nothing of the
// paused time is fenced afterwards.
TEST(SharedBout, APauseStandsTheBoutStillUntilItEnds) {
    SharedBout bout({.target = 5, .timed = true, .start = 1'700'000'000'000});
    bout.AdvanceTo(10'000);
    const int left = bout.View().clock.secondsLeft;
    bout.Add({10'000, Side::Right, Input::Pause});
    EXPECT_FALSE(bout.NextDue());
    EXPECT_FALSE(bout.NextTickOf(Side::Right));
    bout.AdvanceTo(40'000);
    bout.Add({40'000, Side::Left, Input::Resume});
    bout.AdvanceTo(40'500);
    EXPECT_EQ(bout.View().clock.secondsLeft, left);
    bout.AdvanceTo(45'500);
    EXPECT_EQ(bout.View().clock.secondsLeft, left - 5) << "the clock stood still throughout";
}

// More inputs than a replay keeps: its file stops where it is full, says it was cut, and plays.
TEST(SharedBout, ABoutPastWhatAReplayKeepsIsCutAndStillPlays) {
    SharedBout bout({.target = 100, .timed = true, .start = 1'700'000'000'000});
    for (std::int64_t ms = 1; ms <= static_cast<std::int64_t>(kMaxReplayEntries) + 1000; ++ms)
        bout.Add({ms, ms % 2 ? Side::Left : Side::Right, static_cast<Input>(ms % 6)});
    bout.AdvanceTo(SharedBout::kLongestMs);
    ASSERT_TRUE(bout.OverAt());
    Replay replay;
    ASSERT_EQ(DecodeReplay(bout.ReplayFile(), replay), ReplayError::None);
    EXPECT_TRUE(replay.cut);
    EXPECT_LT(replay.entries.back().ms, *bout.OverAt());
}
