// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A lesson's coach: sets the lesson's start, holds the computer's fencer (the left one) to the
// lesson's script, and judges the player's fencer against the lesson's goal from what the bout
// did and the referee's reasons. A plain value beside the bout; it orders the left fencer only
// through the bout's own inputs.

#include "game/bout/Bout.h"
#include "game/school/Lessons.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace pistework::game::school {

struct Progress {
    enum class State : std::uint8_t { Going, Passed, Failed };
    State state = State::Going;
    // The last word: why an attempt failed, or what the player just did wrong.
    Hint hint = Hint::None;
    int steps = 0; // the steps a hint speaks of
    int attempt = 1;
    bool operator==(const Progress&) const = default;
};

// How far a standing lunge reaches, from the lunger's target to its point on arrival, as the
// pictures move it: a lunge lands from a gap between the targets of this less a step, to this.
// A lunge with the arm bent never lands, and reaches nowhere.
int LungeReach(bool armExtended);
// How many steps the fencers stand beyond the reach of an extended lunge: 0 within it.
int StepsOutOfReach(const Bout& bout);

class Coach {
public:
    // `lesson` is one of kLessons, which outlive every coach.
    explicit Coach(const Lesson& lesson) : lesson(&lesson) {}

    // The lesson's start at bout time `now`: the referee has said "Fence" and the fencers
    // stand where the lesson puts them.
    Bout Start(std::int64_t now) const;

    // After each tick of `bout`, with what it told: the script's next order, then the goal.
    void Watch(Bout& bout, const std::vector<Happening>& news);
    // The attempt ended `kPause` ago, failed: the bout goes back to the start.
    bool WantsAgain(std::int64_t now) const;
    void Again(std::int64_t now);

    const Progress& Judged() const { return progress; }
    // When the attempt passed or failed.
    std::int64_t EndedAt() const { return endedAt; }
    const Lesson& Taught() const { return *lesson; }
    // The distance lesson keeps the fencers this many steps out of a lunge's reach.
    static constexpr int kNearest = 1;
    static constexpr int kFarthest = 3;

    // How long a failed attempt's ruling stays on show before the next attempt.
    static constexpr std::int64_t kPause = 1500;
    // The script's steps come no faster than this.
    static constexpr std::int64_t kStepEvery = 1500;
    // A parry answered later than this is no riposte.
    static constexpr std::int64_t kRiposteWithin = 1500;

private:
    void Script(Bout& bout);
    void Judge(const Bout& bout, const std::vector<Happening>& news);
    void JudgeRuling(const Ruling& ruling);
    void JudgeTick(const Bout& bout);
    void Pass();
    void Fail(Hint hint, int steps = 0);
    void Say(Hint hint, int steps = 0);

    const Lesson* lesson;
    Progress progress;
    std::int64_t now = 0;
    std::int64_t attemptBegan = 0;
    std::int64_t endedAt = 0;
    std::int64_t lastStep = 0;
    bool begun = false;
    // The player's fencer: where it began, the farthest forward it came, and its last lunge.
    int startLeft = 0;
    int farthestIn = 0;
    bool lunged = false;
    bool recovering = false;
    std::optional<std::int64_t> parriedAt;
    std::optional<std::int64_t> inDistanceSince;
};

} // namespace pistework::game::school
