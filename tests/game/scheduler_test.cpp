// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/headless/Scheduler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using pistework::platform::headless::Scheduler;
using pistework::platform::headless::VirtualTimer;

namespace {
struct Trace {
    Scheduler& scheduler;
    std::vector<std::string> events;
    void Add(const std::string& what) {
        events.push_back(what + "@" + std::to_string(scheduler.Now()));
    }
};
} // namespace

TEST(Scheduler, TwoIntervalsInterleaveByDueTime) {
    Scheduler s(0);
    Trace trace{s, {}};
    VirtualTimer left(s, "left", 120, false), right(s, "right", 100, false);
    left.SetOnTimer([&] { trace.Add("L"); });
    right.SetOnTimer([&] { trace.Add("R"); });
    right.SetEnabled(true);
    left.SetEnabled(true);
    s.RunUntil(360);
    EXPECT_EQ(trace.events,
              (std::vector<std::string>{"R@100", "L@120", "R@200", "L@240", "R@300", "L@360"}));
    EXPECT_EQ(s.Now(), 360);
}

TEST(Scheduler, EnablingStartsAFreshIntervalAndDisablingStopsAtOnce) {
    Scheduler s(1000);
    Trace trace{s, {}};
    VirtualTimer t(s, "t", 300, true);
    t.SetOnTimer([&] { trace.Add("t"); });
    s.RunUntil(1250);
    t.SetEnabled(false);
    s.RunUntil(1400);
    t.SetEnabled(true); // a fresh interval from 1400, not the old rhythm
    s.RunUntil(1700);
    EXPECT_EQ(trace.events, (std::vector<std::string>{"t@1700"}));
    // Enabling a running timer leaves its rhythm alone.
    t.SetEnabled(true);
    s.RunUntil(2000);
    EXPECT_EQ(trace.events.back(), "t@2000");
    // A new interval restarts a running timer.
    s.RunUntil(2100);
    t.SetInterval(50);
    s.RunUntil(2150);
    EXPECT_EQ(trace.events.back(), "t@2150");
}

TEST(Scheduler, HandlersStopAndStartTimersLikeTheFencerTicks) {
    Scheduler s(0);
    Trace trace{s, {}};
    VirtualTimer a(s, "a", 100, false), b(s, "b", 100, false), referee(s, "ref", 1000, false);
    int aTicks = 0;
    // A handler that disables its own timer and enables another: a hands over to the referee.
    a.SetOnTimer([&] {
        a.SetEnabled(false);
        trace.Add("a");
        if (++aTicks == 3) {
            b.SetEnabled(false);
            referee.SetEnabled(true);
            return;
        }
        a.SetEnabled(true);
    });
    b.SetOnTimer([&] { trace.Add("b"); });
    referee.SetOnTimer([&] {
        trace.Add("ref");
        referee.SetEnabled(false);
    });
    a.SetEnabled(true);
    b.SetEnabled(true);
    s.RunUntil(5000);
    // b was armed after a, so at equal due times a goes first; once a stops both, b never
    // ticks again, even though it was due at the same moment.
    EXPECT_EQ(trace.events,
              (std::vector<std::string>{"a@100", "b@100", "a@200", "b@200", "a@300", "ref@1300"}));
    EXPECT_FALSE(a.Enabled());
    EXPECT_FALSE(b.Enabled());
    EXPECT_FALSE(referee.Enabled());
}

TEST(Scheduler, DisablingAnotherTimerDueAtTheSameMomentDropsItsTick) {
    Scheduler s(0);
    Trace trace{s, {}};
    VirtualTimer first(s, "first", 100, true), second(s, "second", 100, true);
    first.SetOnTimer([&] {
        trace.Add("first");
        second.SetEnabled(false);
    });
    second.SetOnTimer([&] { trace.Add("second"); });
    s.RunUntil(250);
    EXPECT_EQ(trace.events, (std::vector<std::string>{"first@100", "first@200"}));
    EXPECT_FALSE(second.Enabled());
}
