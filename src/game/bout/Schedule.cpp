// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bout/Schedule.h"

#include <algorithm>

namespace pistework::game {

Schedule::Schedule() {
    // The periods of play: the left fencer's at the computer's first level, the others fixed.
    constexpr std::array<int, kTicks.size()> kIntervals{120, 100, 1000, 1000, 100, 300, 15000};
    for (std::size_t i = 0; i < kTicks.size(); ++i)
        timers[i].interval = kIntervals[i];
}

void Schedule::Arm(Timer& timer) {
    timer.due = now + timer.interval;
    timer.armed = ++sequence;
    ++timer.starts;
}

void Schedule::SetRunning(Tick t, bool running) {
    Timer& timer = At(t);
    if (timer.running == running) return;
    timer.running = running;
    if (running) Arm(timer);
}

void Schedule::SetInterval(Tick t, int milliseconds) {
    Timer& timer = At(t);
    if (timer.interval == milliseconds) return;
    timer.interval = milliseconds;
    if (timer.running) Arm(timer);
}

std::optional<std::int64_t> Schedule::Due(Tick t) const {
    const Timer& timer = At(t);
    if (!timer.running || timer.interval <= 0) return std::nullopt;
    return timer.due;
}

std::optional<Tick> Schedule::Next() const {
    std::optional<Tick> best;
    for (Tick t : kTicks) {
        const Timer& timer = At(t);
        // A timer with no positive interval never ticks.
        if (!timer.running || timer.interval <= 0) continue;
        if (!best || timer.due < At(*best).due ||
            (timer.due == At(*best).due && timer.armed < At(*best).armed))
            best = t;
    }
    return best;
}

Tick Schedule::Fire() {
    const Tick t = *Next();
    Timer& timer = At(t);
    now = std::max(now, timer.due);
    // A periodic timer re-arms before it runs; its tick may stop it.
    timer.due += timer.interval;
    timer.armed = ++sequence;
    return t;
}

void Schedule::MoveTo(std::int64_t ms) {
    now = std::max(now, ms);
}

void Schedule::Restart(std::int64_t ms) {
    now = std::max(now, ms);
    for (Tick t : kTicks)
        if (At(t).running) Arm(At(t));
}

} // namespace pistework::game
