// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Timers in virtual time: each enabled timer has a due time, the earliest fires first,
// and ties go to the timer that was armed first. One thread, no waiting: a test advances
// the clock and every tick that falls due runs, in order, to completion.

#include "platform/Platform.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pistework::platform::headless {

class VirtualTimer;

class Scheduler {
public:
    explicit Scheduler(std::int64_t startMilliseconds = 0) : now(startMilliseconds) {}

    std::int64_t Now() const { return now; }

    // Runs every tick due up to and including `until`, then sets the clock there.
    void RunUntil(std::int64_t until);
    void RunFor(std::int64_t milliseconds) { RunUntil(now + milliseconds); }
    // Runs the next tick that falls due, if any timer runs; returns false when none does.
    bool RunNext();
    // Runs ticks until `done` says so or `limit` milliseconds of virtual time have passed.
    // Returns whether `done` became true.
    bool RunUntilTrue(const std::function<bool()>& done, std::int64_t limit);

    std::uint64_t TicksRun() const { return ticks; }
    // When the next tick falls due; none while no timer runs.
    std::optional<std::int64_t> NextDue() const;
    // The running or stopped timer of that name; throws std::out_of_range for none.
    VirtualTimer& Named(std::string_view name) const;

private:
    friend class VirtualTimer;
    void Add(VirtualTimer* timer);
    void Remove(VirtualTimer* timer);
    std::uint64_t NextSequence() { return ++sequence; }
    VirtualTimer* Earliest() const;

    std::int64_t now;
    std::uint64_t sequence = 0;
    std::uint64_t ticks = 0;
    std::vector<VirtualTimer*> timers;
};

class VirtualTimer : public Timer {
public:
    VirtualTimer(Scheduler& scheduler, std::string name, int interval, bool enabled);
    ~VirtualTimer() override;

    bool Enabled() const override { return enabled; }
    void SetEnabled(bool value) override;
    int Interval() const override { return interval; }
    void SetInterval(int milliseconds) override;
    void SetOnTimer(std::function<void()> handler) override { onTimer = std::move(handler); }

    const std::string& Name() const { return name; }
    // Counts how often this timer was started (a fresh interval each time).
    int Starts() const { return starts; }
    // When it ticks next; none while stopped.
    std::optional<std::int64_t> Due() const {
        return enabled && interval >= 0 ? std::optional(due) : std::nullopt;
    }

private:
    friend class Scheduler;
    void Arm();
    void Fire();

    Scheduler& scheduler;
    std::string name;
    int interval;
    bool enabled = false;
    std::int64_t due = 0;
    std::uint64_t armedSequence = 0;
    int starts = 0;
    std::function<void()> onTimer;
};

class VirtualClock : public Clock {
public:
    explicit VirtualClock(const Scheduler& scheduler) : scheduler(scheduler) {}
    std::int64_t NowMilliseconds() const override { return scheduler.Now(); }

private:
    const Scheduler& scheduler;
};

} // namespace pistework::platform::headless
