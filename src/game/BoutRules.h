#pragma once
// The referee's arithmetic, kept apart from the timers so it can be checked on its own:
// where the fencers go back to, how the bout clock counts and reads, and which graded
// level a bout was fenced against.

#include <string>

namespace pistework::game {

// Lines and limits of the return to engarde, as Left of the 150 px fencer images.
inline constexpr int kCentreLineA = 106;
inline constexpr int kCentreLineB = 244;
inline constexpr int kOffTargetStep = 20;
inline constexpr int kPassStep = 80;
inline constexpr int kRunnerShift = 100;
inline constexpr int kLeftLimitA = 26;
inline constexpr int kLeftLimitB = 104;
inline constexpr int kRightLimitA = 256;
inline constexpr int kRightLimitB = 344;

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

// The graded level, 1 (Novice) to 6 (Champion), that a computer opponent fencing with
// these values stands for. Only meaningful for the six graded levels.
int LevelNumber(int opponentRange, int opponentSpeed);

} // namespace pistework::game
