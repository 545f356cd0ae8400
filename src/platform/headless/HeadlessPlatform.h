// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The services a game runs on, without a toolkit: timers on a virtual clock, a store in memory,
// a sound player and a launcher that only record. Tests, the simulator and the benchmarks run
// the game on it.

#include "platform/headless/HeadlessServices.h"
#include "platform/headless/Scheduler.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace pistework::platform::headless {

class HeadlessPlatform : public TimerSource {
public:
    // `startMilliseconds` is the virtual wall-clock time at start, e.g. seconds since 1970 x 1000.
    explicit HeadlessPlatform(std::int64_t startMilliseconds = 1'700'000'000'000)
        : scheduler(startMilliseconds) {}
    HeadlessPlatform(const HeadlessPlatform&) = delete;
    HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

    platform::Services Services() {
        return {.timers = *this, .sound = sound, .store = store, .clock = clock, .bouts = bouts};
    }
    std::unique_ptr<platform::Timer> MakeTimer(std::string_view name, int milliseconds) override {
        return std::make_unique<VirtualTimer>(scheduler, std::string(name), milliseconds, false);
    }
    // A timer the game made, by the name it gave it; throws std::out_of_range for none.
    VirtualTimer& Timer(std::string_view name) { return scheduler.Named(name); }

    Scheduler scheduler;
    VirtualClock clock{scheduler};
    MemoryStore store;
    MemoryBoutStore bouts;
    RecordingLauncher launcher;
    HeadlessMediaPlayer sound;
};

} // namespace pistework::platform::headless
