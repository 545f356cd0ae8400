// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A bout the player practises, the right fencer theirs: a lesson from its set start, with its
// coach, or a replay taken over where it stands, the computer fencing the left side. It runs
// from one frame timer as the player's game does, and tells what the piste shows, what
// happened and how the lesson goes; it keeps no records and stores nothing.

#include "game/BoutView.h"
#include "game/PlayClock.h"
#include "game/bout/Bout.h"
#include "game/school/Coach.h"

#include <functional>
#include <memory>
#include <optional>

namespace pistework::game::school {

class Practice {
public:
    // A lesson, from its start.
    Practice(platform::TimerSource& timers, const platform::Clock& clock, const Lesson& lesson);
    // A bout as it stands, handed over to the player on the right.
    Practice(platform::TimerSource& timers, const platform::Clock& clock, const Bout& from);
    Practice(const Practice&) = delete;
    Practice& operator=(const Practice&) = delete;

    void SetOnView(std::function<void(const BoutView&)> listener) { onView = std::move(listener); }
    void SetOnEvent(std::function<void(const BoutEvent&)> listener) {
        onEvent = std::move(listener);
    }
    // Each change of the lesson's progress: a new attempt, a word, a pass, a failure.
    void SetOnProgress(std::function<void(const Progress&)> listener) {
        onProgress = std::move(listener);
    }
    // Shows the start and sets play going.
    void Start();

    // A command for the player's fencer, taken up at its next sequence end.
    void Command(FencerCommand command);
    // Holds nest, as the player's game's do: nothing moves while any is held.
    void Hold();
    void Release();
    void TogglePause();
    bool Paused() const { return paused; }

    const BoutView& View() const { return view; }
    const Bout& Fenced() const { return bout; }
    // None for a replay taken over.
    const Coach* Lesson() const { return coach ? &*coach : nullptr; }

private:
    Practice(platform::TimerSource& timers, const platform::Clock& clock, const Bout& from,
             std::optional<Coach> coach);
    std::optional<std::int64_t> NextDue() const;
    void RunFrame();
    void Step();
    void Arm();
    void Publish();

    PlayClock play;
    std::unique_ptr<platform::Timer> frame;
    Bout bout;
    std::optional<Coach> coach;
    BoutView view;
    std::function<void(const BoutView&)> onView;
    std::function<void(const BoutEvent&)> onEvent;
    std::function<void(const Progress&)> onProgress;
    int holds = 0;
    bool paused = false;
};

} // namespace pistework::game::school
