// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bout's own timers, kept as due times in bout time rather than as the platform's timers,
// so a bout can be copied, compared and fenced again from any moment. Each runs as a desktop
// timer does: starting one gives it a fresh interval, it ticks periodically from its due time,
// and ties go to the one armed first.

#include "game/piste/Fields.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace pistework::game {

// Every timer of play, in the order a release after a hold starts them again.
enum class Tick { Left, Right, President, Clock, Light, Salute, AutoPlay };
inline constexpr std::array kTicks{Tick::Left,  Tick::Right,  Tick::President, Tick::Clock,
                                   Tick::Light, Tick::Salute, Tick::AutoPlay};
// Named for the tick log and the tests.
inline constexpr std::array<std::string_view, kTicks.size()> kTickNames{
    "TimerLeft",  "TimerRight",  "TimerPresident", "TimerClock",
    "TimerLight", "TimerSalute", "TimerAutoPlay"};

class Schedule {
public:
    Schedule();

    std::int64_t Now() const { return now; }
    bool Running(Tick t) const { return At(t).running; }
    // Starting a stopped timer gives it a fresh interval; starting a running one changes nothing.
    void SetRunning(Tick t, bool running);
    void Start(Tick t) { SetRunning(t, true); }
    void Stop(Tick t) { SetRunning(t, false); }
    int Interval(Tick t) const { return At(t).interval; }
    // A new interval restarts a running timer.
    void SetInterval(Tick t, int milliseconds);
    std::optional<std::int64_t> Due(Tick t) const;
    // How often the timer was started, a fresh interval each time.
    int Starts(Tick t) const { return At(t).starts; }

    // The timer that ticks next, and when; none while none runs.
    std::optional<Tick> Next() const;
    // Moves the clock to the next tick's due time and re-arms it before it runs; the caller
    // runs it.
    Tick Fire();
    // Moves the clock on to `ms` without running anything; never back.
    void MoveTo(std::int64_t ms);
    // Every running timer starts afresh at `ms`, as after a hold: in the order of kTicks.
    void Restart(std::int64_t ms);

    bool operator==(const Schedule&) const = default;
    template <typename Self, typename Visit> static void Fields(Self& self, Visit& v) {
        v.Add(self.now, self.sequence);
        // No timer ticks without an interval: a bout would never leave its instant.
        for (auto& t : self.timers)
            v.Add(t.running, In(t.interval, 1, kByHand), t.due, t.armed, t.starts);
    }

private:
    struct Timer {
        bool running = false;
        int interval = 0;
        std::int64_t due = 0;
        std::uint64_t armed = 0; // when it was armed, in arming order
        int starts = 0;
        bool operator==(const Timer&) const = default;
    };
    Timer& At(Tick t) { return timers[static_cast<std::size_t>(t)]; }
    const Timer& At(Tick t) const { return timers[static_cast<std::size_t>(t)]; }
    void Arm(Timer& timer);

    std::array<Timer, kTicks.size()> timers{};
    std::int64_t now = 0;
    std::uint64_t sequence = 0;
};

} // namespace pistework::game
