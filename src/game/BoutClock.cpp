#include "game/BoutClock.h"

#include "game/BoutRules.h"

namespace pistework::game {

void BoutClock::Start(int seconds, bool timed) {
    secondsLeft = seconds;
    secondsFenced = 0;
    caption.SetCaption(ClockCaption(secondsLeft));
    caption.SetVisible(timed);
}

bool BoutClock::Tick(bool timed) {
    const ClockStep step = CountDown(secondsLeft, timed);
    ++secondsFenced;
    secondsLeft = step.seconds;
    caption.SetCaption(ClockCaption(secondsLeft));
    return step.timeOut;
}

} // namespace pistework::game
