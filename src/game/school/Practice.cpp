// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/school/Practice.h"

#include <algorithm>

namespace pistework::game::school {

Practice::Practice(platform::TimerSource& timers, const platform::Clock& clock, const Bout& from,
                   std::optional<Coach> coach)
    : play(clock), frame(timers.MakeTimer("TimerPractice", 1)), bout(from),
      coach(std::move(coach)) {
    frame->SetOnTimer([this] { RunFrame(); });
}

Practice::Practice(platform::TimerSource& timers, const platform::Clock& clock,
                   const school::Lesson& lesson)
    : Practice(timers, clock, Coach(lesson).Start(0), Coach(lesson)) {}

Practice::Practice(platform::TimerSource& timers, const platform::Clock& clock, const Bout& from)
    : Practice(timers, clock, from, std::nullopt) {
    bout.HandRightToPlayer();
}

void Practice::Start() {
    // The bout's own time goes on from here, whenever it was set up.
    play.Set(bout.Now());
    if (coach && onProgress) onProgress(coach->Judged());
    Publish();
}

// A failed attempt's ruling stays on show, then the lesson starts again.
std::optional<std::int64_t> Practice::NextDue() const {
    std::optional<std::int64_t> due = bout.NextDue();
    if (coach && coach->Judged().state == Progress::State::Failed) {
        const std::int64_t again = coach->EndedAt() + Coach::kPause;
        due = due ? std::min(*due, again) : again;
    }
    return due;
}

void Practice::RunFrame() {
    const std::optional<std::int64_t> due = NextDue();
    if (due) play.SkipStall(*due);
    if (holds == 0 && due && *due <= play.Now()) Step();
    Arm();
}

// One tick a wake, so a command between two ticks of one instant comes between them.
void Practice::Step() {
    if (coach && coach->WantsAgain(play.Now())) {
        bout = coach->Start(play.Now());
        coach->Again(bout.Now());
        play.Set(bout.Now());
        if (onProgress) onProgress(coach->Judged());
        return Publish();
    }
    bout.RunNext();
    const std::vector<Happening> news = bout.TakeNews();
    const Progress before = coach ? coach->Judged() : Progress{};
    if (coach) coach->Watch(bout, news);
    Publish();
    for (const Happening& happened : news)
        if (const auto* event = std::get_if<BoutEvent>(&happened); event && onEvent)
            onEvent(*event);
    if (coach && coach->Judged() != before && onProgress) onProgress(coach->Judged());
}

void Practice::Arm() {
    frame->SetEnabled(false);
    const std::optional<std::int64_t> due = NextDue();
    if (!due || holds > 0) return;
    frame->SetInterval(static_cast<int>(std::max<std::int64_t>(0, *due - play.Now())));
    frame->SetEnabled(true);
}

void Practice::Command(FencerCommand command) {
    if (holds > 0) return;
    bout.Take(std::max(play.Now(), bout.Now()), input::Order{Side::Right, command});
    Publish();
}

void Practice::Hold() {
    if (holds++ == 0) bout.MoveTo(std::max(play.Now(), bout.Now()));
    frame->SetEnabled(false);
}

void Practice::Release() {
    if (holds == 0 || --holds > 0) return;
    bout.Take(std::max(play.Now(), bout.Now()), input::Resume{});
    Arm();
}

void Practice::TogglePause() {
    paused = !paused;
    if (paused)
        Hold();
    else
        Release();
    Publish();
}

void Practice::Publish() {
    bout.Show(view);
    view.menu.paused = paused;
    Arm();
    if (onView) onView(view);
}

} // namespace pistework::game::school
