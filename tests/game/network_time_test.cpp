// SPDX-License-Identifier: GPL-3.0-or-later
// A peer's word about time is hostile: what a guest, a host or a watcher may claim of it, and
// what the window lets either player mean by a key.

#include "NetworkPair.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace pistework;
using namespace pistework::game;
using net::Ending;
using W = net::FrameWriter;

namespace {
constexpr std::int64_t kWindow = NetworkFencing::kWindowMs;
} // namespace

// A guest that says nothing of its time, says it without digests, or stamps beyond the window:
// the host never fences further than the window past what the guest confirmed, says it waits,
// and ends the bout for the one reason that fits.
TEST(NetworkTime, AGuestCannotRewriteThePastBeyondTheWindowNorHoldTheHost) {
    struct Case {
        const char* what;
        // What the guest sends at its bout time `ms`, every 100 ms; `told` is its time so far.
        std::function<std::vector<std::uint8_t>(W&, std::int64_t ms, std::int64_t& told)> beat;
        Ending ending;
        std::int64_t byMs; // bout time by which it ends
        bool waits;        // the host is held back and says so first
    };
    const Case cases[] = {
        {"heartbeats only",
         [](W& w, std::int64_t, std::int64_t&) { return w.Frame(net::Heartbeat{}); },
         Ending::FellBehind, kWindow + NetworkFencing::kMostBehindMs + 200, true},
        {"nothing for a second, then its time catching up, never a digest",
         [](W& w, std::int64_t ms, std::int64_t& told) {
             if (ms < 1000) return w.Frame(net::Heartbeat{});
             told = std::min(ms, told + 2 * kWindow - 50);
             return w.Frame(net::Time{told});
         },
         Ending::Disagreed, NetworkFencing::kMostUndigestedMs + 200, true},
        {"its time until 700 ms, then an input stamped then at 1.5 s",
         [](W& w, std::int64_t ms, std::int64_t& told) {
             if (ms > 700)
                 return w.Frame(ms == 1500 ? net::Message(net::Stamped{{700}})
                                           : net::Message(net::Heartbeat{}));
             told = ms;
             return w.Frame(net::Time{ms});
         },
         Ending::FellBehind, kWindow + 700 + NetworkFencing::kMostBehindMs + 200, true},
        // Past the window ahead of the host's present as it arrives, a millisecond later.
        {"an input stamped past the window ahead",
         [](W& w, std::int64_t ms, std::int64_t&) {
             return w.Frame(net::Stamped{{ms + 1 + kWindow + 1}});
         },
         Ending::OutOfOrder, 10, false},
        {"its time past the window ahead",
         [](W& w, std::int64_t ms, std::int64_t&) {
             return w.Frame(net::Time{ms + 1 + kWindow + 1});
         },
         Ending::OutOfOrder, 10, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NetworkPair p;
        auto& time = p.form.scheduler;
        W w;
        p.Arrive();
        p.guestEnd.Send(Cat({w.Frame(net::Hello{net::kVersion, p.code}), w.Frame(net::Join{})}));
        ASSERT_TRUE(time.RunUntilTrue([&] { return p.door.Begun(); }, 100));
        const std::int64_t start = p.HostSide().Bout().Setup().start;
        std::int64_t told = 0, waitedFrom = -1, longestBack = 0;
        const std::size_t before = p.HostSide().Bout().Inputs().size();
        for (int step = 0; !p.hostEnded && step < 2'000; ++step) {
            const std::int64_t ms = time.Now() - start;
            if (step % 10 == 0) p.guestEnd.Send(c.beat(w, ms / 100 * 100, told));
            time.RunFor(10);
            if (p.hostEnded) break;
            const SharedBout& bout = p.HostSide().Bout();
            // However little it is told, the host fences no further than the window past it,
            // and once told, at least as far at once.
            EXPECT_LE(bout.Now(), told + kWindow) << ms;
            EXPECT_GE(bout.Now(), told) << ms;
            if (bout.Inputs().size() > before)
                longestBack = std::max(longestBack, bout.Now() - bout.Inputs().back().ms);
            if (p.host.View().networkEnded) continue;
            if (waitedFrom < 0 && p.HostSide().Waiting()) waitedFrom = ms;
        }
        EXPECT_EQ(p.hostEnded, c.ending);
        EXPECT_LE(time.Now() - start, c.byMs);
        EXPECT_LE(longestBack, kWindow);
        // A host held back says so on its screen; one that ended at once was never held.
        EXPECT_EQ(waitedFrom >= 0, c.waits);
    }
}

// A host's word about when the bout began and how far it has gone is what a guest or watcher
// fences through at once: it is held to what a real bout can be, and nothing freezes.
TEST(NetworkTime, AHostCannotMakeAGuestOrWatcherFenceMoreThanAnyBout) {
    constexpr std::int64_t kHour = std::int64_t{3600} * 1000;
    struct Case {
        const char* what;
        bool watch;
        std::int64_t startBack; // how long ago the welcome says the bout began
        std::int64_t timeAhead; // the horizon or time the host then claims, past its own
        std::optional<Ending> ending;
        std::optional<net::Message> then = std::nullopt; // the next bout begun at once, or such
    };
    const std::int64_t at = NetworkPair().form.clock.NowMilliseconds(); // as each case begins
    const Case cases[] = {
        {"a guest's bout begun a minute ago", false, 60'000, 0, Ending::Malformed},
        {"a guest's bout beginning later", false, -1, 0, Ending::Malformed},
        {"a guest's bout begun now, its time past the window", false, 0, kWindow + 1,
         Ending::OutOfOrder},
        {"a guest's bout begun now, its time within the window", false, 0, kWindow, std::nullopt},
        {"a watcher's bout begun longer ago than any lasts", true, SharedBout::kLongestMs + 1, 0,
         Ending::Malformed},
        {"a watcher's bout begun an hour ago", true, kHour, 0, std::nullopt},
        {"a watcher told of a time to come", true, kHour, NetworkWatcher::kAheadMs + 1,
         Ending::OutOfOrder},
        {"a guest begun on a next bout it never asked for", false, 0, 0, Ending::OutOfOrder,
         net::Again{at}},
        {"a watcher told of a next bout before the last is over", true, kHour, 0,
         Ending::OutOfOrder, net::Again{at}},
        {"a watcher offered a rematch", true, kHour, 0, Ending::OutOfOrder, net::Rematch{}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NetworkPair p;
        std::optional<Ending> ended;
        std::unique_ptr<NetworkGuest> guest;
        std::unique_ptr<NetworkWatcher> watcher;
        const auto onEnd = [&](Ending why, bool) { ended = why; };
        if (c.watch) {
            watcher = std::make_unique<NetworkWatcher>(p.guestPlace, p.guestEnd, p.code);
            watcher->SetOnEnd(onEnd);
            watcher->Knock();
        } else {
            guest = std::make_unique<NetworkGuest>(p.guestPlace, p.guestEnd, p.code);
            guest->SetOnEnd(onEnd);
            guest->Knock();
        }
        const std::int64_t now = p.form.clock.NowMilliseconds();
        W host;
        const net::Welcome welcome{net::kVersion, 5, false, now - c.startBack, now, now};
        const auto began = std::chrono::steady_clock::now();
        p.hostEnd.Send(Cat({host.Frame(welcome), host.Frame(net::Time{c.startBack + c.timeAhead}),
                            c.then ? host.Frame(*c.then) : std::vector<std::uint8_t>()}));
        p.form.scheduler.RunFor(10);
        const auto took = std::chrono::steady_clock::now() - began;
        EXPECT_EQ(ended, c.ending);
        EXPECT_LT(took, std::chrono::seconds(2));
        if (watcher && !ended) {
            EXPECT_EQ(watcher->Shown()->Bout().Now(), c.startBack);
        }
    }
}

// Both players pressing F3 within one moment mean what each saw: the guest's resume arrives
// a moment before the host's key, which still means resume; pressed after the host could see
// the bout resume, it means pause again.
TEST(NetworkTime, BothPlayersPressingF3AtOnceEndAsBothMeant) {
    constexpr int kDelay = 75;
    struct Case {
        bool pausedFirst;    // the bout before both keys
        std::int64_t lateMs; // the host's key, after the guest's arrived
        bool paused;         // the bout after both
    };
    constexpr std::int64_t kMoment = NetworkFencing::kSameMomentMs;
    const Case cases[] = {
        {true, 3, false}, {true, kMoment - 10, false},  {true, kMoment + 50, true},
        {false, 3, true}, {false, kMoment + 50, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pausedFirst << " " << c.lateMs);
        NetworkPair p(kDelay);
        auto& time = p.form.scheduler;
        p.Join();
        ASSERT_TRUE(time.RunUntilTrue([&] { return p.joining->Begun(); }, 1'000));
        time.RunFor(1'000);
        if (c.pausedFirst) {
            p.HostSide().PauseOrResume();
            time.RunFor(1'000);
            ASSERT_TRUE(p.GuestSide().Bout().View().menu.paused);
        }
        p.GuestSide().PauseOrResume();
        ASSERT_TRUE(time.RunUntilTrue(
            [&] { return p.HostSide().Bout().View().menu.paused != c.pausedFirst; }, 1'000));
        time.RunFor(c.lateMs);
        p.HostSide().PauseOrResume();
        time.RunFor(1'000);
        EXPECT_EQ(p.HostSide().Bout().View().menu.paused, c.paused);
        EXPECT_EQ(p.GuestSide().Bout().View().menu.paused, c.paused);
        EXPECT_FALSE(p.hostEnded || p.guestEnded);
    }
}
