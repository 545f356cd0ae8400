// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bout/BoutClock.h"

#include "game/bout/BoutRules.h"

namespace pistework::game {

void BoutClock::Start(int seconds, bool timed) {
    secondsLeft = seconds;
    secondsFenced = 0;
    shown = {secondsLeft, timed};
}

bool BoutClock::Tick(bool timed) {
    const ClockStep step = CountDown(secondsLeft, timed);
    ++secondsFenced;
    secondsLeft = step.seconds;
    shown.secondsLeft = secondsLeft;
    return step.timeOut;
}

} // namespace pistework::game
