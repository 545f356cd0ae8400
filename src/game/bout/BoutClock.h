// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bout clock: the time left, shown top right in a timed bout, and the time fenced so far,
// which never wraps and measures how long ago a fencer last ran past the other.

#include "game/BoutView.h"
#include "game/piste/Fields.h"

namespace pistework::game {

class BoutClock {
public:
    // A new bout of `seconds`; the clock shows only in a timed bout.
    void Start(int seconds, bool timed);
    // Sets the time left without showing it, as switching "Timed" does.
    void SetTimeLeft(int seconds) { secondsLeft = seconds; }
    // One second of fencing. True when a timed bout's time has run out.
    bool Tick(bool timed);

    int SecondsLeft() const { return secondsLeft; }
    int SecondsFenced() const { return secondsFenced; }
    const ClockView& Shown() const { return shown; }

    bool operator==(const BoutClock&) const = default;
    template <typename Self, typename Visit> static void Fields(Self& self, Visit& v) {
        v.Add(In(self.shown.secondsLeft, 0, kByHand), self.shown.shown,
              In(self.secondsLeft, 0, kByHand), self.secondsFenced);
    }

private:
    ClockView shown;
    int secondsLeft = 0;
    int secondsFenced = 0;
};

} // namespace pistework::game
