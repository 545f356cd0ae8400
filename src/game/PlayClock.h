// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The time play runs by: the wall clock, which the computer's draws read, kept from going
// back, and set back past a stall so the missed time is not fenced at once.

#include "platform/Platform.h"

#include <cstdint>

namespace pistework::game {

class PlayClock {
public:
    explicit PlayClock(const platform::Clock& clock)
        : clock(clock), lastWall(clock.NowMilliseconds()) {}

    // A clock set back stands still until it has caught up, rather than stopping play.
    std::int64_t Now() {
        const std::int64_t wall = clock.NowMilliseconds();
        if (wall < lastWall) offset += lastWall - wall;
        lastWall = wall;
        return wall + offset;
    }
    // Woken more than kStallMs after `due`, as from a machine's sleep or a clock set on: play
    // goes on from where it stopped.
    void SkipStall(std::int64_t due) {
        if (Now() - due > kStallMs) offset -= Now() - due;
    }
    // Play's time becomes `to`, as a bout set up elsewhere goes on here.
    void Set(std::int64_t to) { offset += to - Now(); }

    // Later than this past its time, a timer has been stopped from outside.
    static constexpr std::int64_t kStallMs = 1000;

private:
    const platform::Clock& clock;
    // Play's time less the wall clock's, and the wall clock's last reading.
    std::int64_t offset = 0;
    std::int64_t lastWall;
};

} // namespace pistework::game
