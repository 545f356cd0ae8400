// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/headless/Scheduler.h"

#include <stdexcept>

#include <algorithm>

namespace pistework::platform::headless {

void Scheduler::Add(VirtualTimer* timer) {
    timers.push_back(timer);
}

void Scheduler::Remove(VirtualTimer* timer) {
    std::erase(timers, timer);
}

VirtualTimer& Scheduler::Named(std::string_view name) const {
    for (VirtualTimer* t : timers)
        if (t->name == name) return *t;
    throw std::out_of_range("no timer named " + std::string(name));
}

VirtualTimer* Scheduler::Earliest() const {
    VirtualTimer* best = nullptr;
    for (VirtualTimer* t : timers) {
        // A zero interval ticks at once, as a desktop toolkit's zero timer does when the loop is
        // free; a negative one never.
        if (!t->enabled || t->interval < 0) continue;
        if (!best || t->due < best->due ||
            (t->due == best->due && t->armedSequence < best->armedSequence))
            best = t;
    }
    return best;
}

std::optional<std::int64_t> Scheduler::NextDue() const {
    const VirtualTimer* t = Earliest();
    if (!t) return std::nullopt;
    return t->due;
}

void Scheduler::RunUntil(std::int64_t until) {
    for (VirtualTimer* t = Earliest(); t && t->due <= until; t = Earliest()) {
        now = std::max(now, t->due);
        t->Fire();
    }
    now = std::max(now, until);
}

bool Scheduler::RunNext() {
    VirtualTimer* t = Earliest();
    if (!t) return false;
    now = std::max(now, t->due);
    t->Fire();
    return true;
}

bool Scheduler::RunUntilTrue(const std::function<bool()>& done, std::int64_t limit) {
    const std::int64_t end = now + limit;
    while (!done()) {
        VirtualTimer* t = Earliest();
        if (!t || t->due > end) {
            now = std::max(now, end);
            return done();
        }
        now = std::max(now, t->due);
        t->Fire();
    }
    return true;
}

VirtualTimer::VirtualTimer(Scheduler& scheduler, std::string name, int interval, bool enabled)
    : scheduler(scheduler), name(std::move(name)), interval(interval) {
    scheduler.Add(this);
    SetEnabled(enabled);
}

VirtualTimer::~VirtualTimer() {
    scheduler.Remove(this);
}

void VirtualTimer::Arm() {
    due = scheduler.Now() + interval;
    armedSequence = scheduler.NextSequence();
    ++starts;
}

void VirtualTimer::SetEnabled(bool value) {
    if (value == enabled) return;
    enabled = value;
    if (enabled) Arm();
}

void VirtualTimer::SetInterval(int milliseconds) {
    if (milliseconds == interval) return;
    interval = milliseconds;
    if (enabled) Arm();
}

void VirtualTimer::Fire() {
    // A periodic timer re-arms before its handler runs; the handler may stop it.
    ++scheduler.ticks;
    due += interval;
    armedSequence = scheduler.NextSequence();
    if (onTimer) onTimer();
}

} // namespace pistework::platform::headless
