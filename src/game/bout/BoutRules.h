// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The referee's arithmetic, kept apart from the timers so it can be checked on its own:
// where the fencers go back to, and how the bout clock counts and reads.

#include <string>

namespace pistework::game {

struct EngardePair {
    int leftA;
    int leftB;
    friend bool operator==(const EngardePair&, const EngardePair&) = default;
};

// Where both fencers stand after "Engarde", from where they stand now and how the phrase
// ended: an off-target hit steps both back a little, a pass steps them back further and
// shifts the pair away from the runner's side, anything else goes to the centre lines.
EngardePair EngardePositions(int leftA, int leftB, bool offTarget, bool passed, bool flecheA,
                             bool flecheB);

// Full length of a timed bout in seconds: 3, 6 or 9 minutes for first to 5, 10 or 15.
int BoutLengthSeconds(int maxHits);

// "2:59", "1:05", "0:00".
std::string ClockCaption(int seconds);

struct ClockStep {
    int seconds;  // what the clock reads after the tick
    bool timeOut; // the bout is over
};

// One second of the bout clock. At 0:00 a timed bout is over and the clock stays there;
// an untimed bout's hidden clock wraps round to 9:00 and runs on.
ClockStep CountDown(int seconds, bool timed);

} // namespace pistework::game
