// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A wall clock on the virtual scheduler that a test sets back or on, as a player's machine may.

#include "platform/headless/Scheduler.h"

#include <cstdint>

namespace pistework::test {

struct ShiftedClock : platform::Clock {
    explicit ShiftedClock(const platform::headless::Scheduler& s) : scheduler(s) {}
    std::int64_t NowMilliseconds() const override { return scheduler.Now() + shift; }
    const platform::headless::Scheduler& scheduler;
    std::int64_t shift = 0;
};

} // namespace pistework::test
