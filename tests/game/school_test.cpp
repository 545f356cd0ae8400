// SPDX-License-Identifier: GPL-3.0-or-later
// The fencing school: each lesson passed by a short input script and failed by another, with
// the hint the failure gives; a failed attempt starts again from the lesson's start; the lessons
// passed are kept.

#include "game/school/Practice.h"
#include "platform/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

using namespace pistework;
using namespace pistework::game;
using namespace pistework::game::school;

namespace {

// "ms command" pairs: a advance, r retreat, e extend, l lunge, p parry, f flèche.
std::vector<std::pair<int, FencerCommand>> Script(const std::string& text) {
    std::vector<std::pair<int, FencerCommand>> script;
    std::istringstream in(text);
    int ms = 0;
    char c = 0;
    while (in >> ms >> c) {
        const std::string commands = "aelrpf";
        const auto at = commands.find(c);
        EXPECT_NE(at, std::string::npos) << c;
        constexpr FencerCommand kOrder[] = {FencerCommand::Advance, FencerCommand::Extend,
                                            FencerCommand::Lunge,   FencerCommand::Retreat,
                                            FencerCommand::Parry,   FencerCommand::Fleche};
        script.emplace_back(ms, kOrder[at]);
    }
    return script;
}

struct Attempt {
    Progress progress;
    std::vector<Progress> seen;
    PerSide<FencerView> start, again;
};

// Runs the practice until `done` or `ms` of virtual time, and at most a bounded number of
// ticks, so a practice that ticks without time passing fails rather than hangs.
bool RunUntil(platform::headless::Scheduler& s, const std::function<bool()>& done,
              std::int64_t ms) {
    const std::uint64_t cap = s.TicksRun() + 100'000;
    s.RunUntilTrue([&] { return done() || s.TicksRun() > cap; }, ms);
    EXPECT_LE(s.TicksRun(), cap) << "ticks without time passing";
    return done();
}

// Plays `script` into the lesson and runs until it passes or fails, within a bound. A pass
// stays a pass; a failure stays as said until the next attempt, which shows the start again.
Attempt Fence(const Lesson& lesson, const std::string& script) {
    platform::headless::HeadlessPlatform p;
    Practice practice(p, p.clock, lesson);
    Attempt a;
    practice.SetOnProgress([&](const Progress& g) { a.seen.push_back(g); });
    const auto ended = [&] {
        return !a.seen.empty() && a.seen.back().state != Progress::State::Going;
    };
    practice.Start();
    a.start = practice.View().fencers;
    const std::int64_t t0 = p.scheduler.Now();
    for (const auto& [ms, command] : Script(script)) {
        RunUntil(
            p.scheduler, [] { return false; }, t0 + ms - p.scheduler.Now());
        if (ended()) break;
        practice.Command(command);
    }
    RunUntil(p.scheduler, ended, 60'000);
    a.progress = a.seen.back();
    const std::size_t said = a.seen.size();
    if (a.progress.state == Progress::State::Passed) {
        RunUntil(
            p.scheduler, [] { return false; }, 10'000);
        EXPECT_EQ(a.seen.size(), said) << "nothing is judged after a pass";
        return a;
    }
    RunUntil(
        p.scheduler, [&] { return a.seen.back().attempt > 1; }, Coach::kPause + 200);
    EXPECT_EQ(a.seen.size(), said + 1) << "nothing is judged between a failure and the next try";
    a.again = practice.View().fencers;
    return a;
}

struct Failure {
    const char* script;
    Hint hint;
    int steps = 0;
};

struct Row {
    int lesson; // from 1, as the list numbers them
    const char* pass;
    std::vector<Failure> fails;
};

// Every lesson, in the list's order.
const Row kRows[] = {
    {1, "100 a 600 a 1200 r", {{"", Hint::NotMoved}, {"100 a 600 a", Hint::NoRetreat}}},
    {2, "100 r 1600 r 3100 r 4600 r 6100 r 7600 r 9100 r", {{"", Hint::TooClose}}},
    {3,
     "100 a 600 a 1100 a 1600 a 2100 e 2200 l",
     {{"100 a 600 a 1100 e 1200 l", Hint::LungeShort, 2},
      {"100 a 600 a 1100 a 1600 a 2100 a 2600 a 3100 e 3200 l", Hint::LungePast, 1},
      {"100 a 600 a 1100 a 1600 a 2100 l", Hint::BentLunge}}},
    {4, "100 e 200 l 1200 l", {{"100 e 200 l", Hint::StayedInLunge}}},
    {5, "1900 p", {{"100 p", Hint::WasHit}}},
    {6, "1900 p 2400 e 2500 l", {{"1900 p", Hint::NoRiposte}, {"100 p", Hint::WasHit}}},
    {7,
     "100 a 600 a 1100 a 1600 e 1700 l",
     {{"100 a 600 a 1100 a 1600 a 2100 e", Hint::CounterLanded}}},
    {8, "100 e 200 f", {{"100 a 600 e 700 f", Hint::Card}}},
    {9, "700 p", {{"100 p", Hint::FlecheLanded}}},
};

} // namespace

TEST(School, EachLessonPassesByItsGoalAndFailsWithItsHint) {
    ASSERT_EQ(std::size(kRows), kLessons.size());
    for (const Row& row : kRows) {
        const Lesson& lesson = kLessons[static_cast<std::size_t>(row.lesson - 1)];
        SCOPED_TRACE(std::string(lesson.title));
        const Attempt passed = Fence(lesson, row.pass);
        EXPECT_EQ(passed.progress.state, Progress::State::Passed);
        EXPECT_EQ(passed.progress.attempt, 1);
        for (const Failure& failure : row.fails) {
            SCOPED_TRACE(failure.script);
            const Attempt failed = Fence(lesson, failure.script);
            EXPECT_EQ(failed.progress.state, Progress::State::Failed);
            EXPECT_EQ(failed.progress.hint, failure.hint);
            EXPECT_EQ(failed.progress.steps, failure.steps);
            // The next attempt begins where the lesson does, with the hint still said.
            ASSERT_EQ(failed.seen.back().attempt, 2);
            EXPECT_EQ(failed.seen.back().state, Progress::State::Going);
            EXPECT_EQ(failed.seen.back().hint, failure.hint);
            EXPECT_EQ(failed.again, failed.start);
        }
    }
}

// Paused, a lesson stands still and keeps no timer awake; resumed, it goes on.
TEST(School, APausedLessonStandsStill) {
    platform::headless::HeadlessPlatform p;
    Practice practice(p, p.clock, kLessons[1]);
    practice.Start();
    RunUntil(
        p.scheduler, [] { return false; }, 1000);
    practice.TogglePause();
    const auto held = practice.View().fencers;
    EXPECT_FALSE(p.scheduler.NextDue());
    RunUntil(
        p.scheduler, [] { return false; }, 5000);
    EXPECT_EQ(practice.View().fencers, held);
    practice.TogglePause();
    EXPECT_TRUE(RunUntil(
        p.scheduler, [&] { return practice.View().fencers != held; }, 3000));
}

TEST(School, PassedLessonsAreKeptAndAValueOutOfRangeCountsAsNone) {
    platform::headless::MemoryStore store;
    EXPECT_EQ(ReadPassed(store), 0u);
    ASSERT_TRUE(WritePassed(store, 0b101));
    EXPECT_EQ(ReadPassed(store), 0b101u);
    EXPECT_FALSE(IsOpen(~0u, kLessonCount)) << "no lesson past the last";
    for (const platform::Store::Value& bad :
         {platform::Store::Value(-1), platform::Store::Value(1 << kLessonCount),
          platform::Store::Value(std::string("1"))}) {
        store.values[kPassedName] = bad;
        EXPECT_EQ(ReadPassed(store), 0u);
    }
}
