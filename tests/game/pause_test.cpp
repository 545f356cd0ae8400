// SPDX-License-Identifier: GPL-3.0-or-later
// Pause, resume and the dialogs that hold play: nothing moves while play is held, play goes on
// exactly where it was afterwards, and no order of menu choices can stall a bout.

#include "BoutTable.h"
#include "common/CallTexts.h"
#include "common/MenuRules.h"
#include "game/bout/BoutRules.h"

#include "ShiftedClock.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

using namespace pistework;
using game::Side;
using table::BoutTable;

namespace {

std::array<bool, 7> Running(BoutTable& t) {
    std::array<bool, 7> running{};
    std::size_t i = 0;
    for (const char* timer : {"TimerLeft", "TimerRight", "TimerPresident", "TimerClock",
                              "TimerLight", "TimerSalute", "TimerAutoPlay"})
        running[i++] = t.Timer(timer).Enabled();
    return running;
}

bool NoneRunning(BoutTable& t) {
    for (bool running : Running(t))
        if (running) return false;
    return true;
}

bool Paused(const BoutTable& t) {
    return t.View().menu.paused;
}

// What a player sees of the bout.
std::string Scene(const BoutTable& t) {
    const game::BoutView& v = t.View();
    std::string scene = CallText(v.call) + " " + game::ClockCaption(v.clock.secondsLeft);
    for (Side side : game::kSides)
        scene += " " + v.fencers[side].pose + "@" + std::to_string(v.fencers[side].x) + " " +
                 std::to_string(v.scores[side]);
    return scene;
}

// Every menu choice a player can make but pausing, dialogs and "Custom", as the menu's rules
// have them.
const std::vector<game::Choice> kChoices = [] {
    std::vector<game::Choice> choices;
    for (const layout::MenuRule& rule : layout::kMenuRules)
        if (rule.choice && rule.choice->verb != Verb::PauseOrResume)
            choices.push_back(*rule.choice);
    return choices;
}();

} // namespace

TEST(Pause, ResumingRestartsExactlyTheTimersThatRanAndNothingMovesMeanwhile) {
    BoutTable t;
    t.StartPlayersBout();
    t.form.scheduler.RunFor(2'345);
    const auto before = Running(t);
    const std::string scene = Scene(t);
    ASSERT_TRUE(before[3]) << "fencing, with the clock running";

    t.game.Choose(Verb::PauseOrResume);
    EXPECT_TRUE(Paused(t));
    EXPECT_TRUE(NoneRunning(t));
    t.form.scheduler.RunFor(60'000);
    EXPECT_EQ(Scene(t), scene);

    t.game.Choose(Verb::PauseOrResume);
    EXPECT_FALSE(Paused(t));
    EXPECT_EQ(Running(t), before);

    // A dialog opened and closed while paused leaves the pause as it was.
    t.game.Choose(Verb::PauseOrResume);
    t.game.WhileHeld([&] { t.form.scheduler.RunFor(5'000); });
    EXPECT_TRUE(NoneRunning(t));
    t.game.Choose(Verb::PauseOrResume);
    EXPECT_EQ(Running(t), before);
}

TEST(Pause, APauseOrADialogAtAnyStepOfTheSaluteHoldsItAndTheBoutGoesOnAfterwards) {
    for (bool dialog : {false, true}) {
        for (int step = 0; step <= 6; ++step) {
            SCOPED_TRACE(std::to_string(step) + (dialog ? " dialog" : " pause"));
            BoutTable t;
            t.game.Choose(Verb::NewGame);
            t.form.scheduler.RunFor(step * 300 + 150);
            const std::string scene = Scene(t);
            auto held = [&] {
                EXPECT_TRUE(NoneRunning(t));
                t.form.scheduler.RunFor(10'000);
                EXPECT_EQ(Scene(t), scene) << "nothing plays behind the hold";
            };
            if (dialog) {
                t.game.WhileHeld(held);
            } else {
                t.game.Choose(Verb::PauseOrResume);
                held();
                t.game.Choose(Verb::PauseOrResume);
            }
            EXPECT_TRUE(t.RunToFencing(10'000)) << "the bout goes on to Fence";
        }
    }
}

TEST(Pause, NewGameOrALevelChoiceWhilePausedNeverBringsTheOldBoutBack) {
    // New Game plays at once, unpaused.
    BoutTable t;
    t.StartPlayersBout();
    t.game.Choose(Verb::PauseOrResume);
    t.game.Choose(Verb::NewGame);
    EXPECT_FALSE(Paused(t));
    EXPECT_TRUE(t.RunToFencing(10'000));
    const auto fencing = Running(t);
    t.game.Choose(Verb::PauseOrResume);
    t.game.Choose(Verb::PauseOrResume);
    EXPECT_EQ(Running(t), fencing) << "one pause, one resume: the old pause is forgotten";

    // A level chosen while paused ends the bout: resuming restarts none of it.
    BoutTable level;
    level.StartPlayersBout();
    level.game.Choose(Verb::PauseOrResume);
    level.game.Choose({Verb::ChooseLevel, game::kChampion.number});
    level.game.Choose(Verb::PauseOrResume);
    EXPECT_TRUE(NoneRunning(level));
    EXPECT_EQ(level.Poses(), "DEFEATA DEFEATB");
}

// Random sequences of every choice a player can make, in virtual time. After each step: a
// paused game runs no timer and shows itself paused; otherwise something runs, unless the
// piste stands beaten after a level choice, waiting for New Game. At the end New Game fences.
TEST(Pause, NoSequenceOfPausesDialogsAndMenuChoicesStallsABoutOrPlaysBehindAPause) {
    std::mt19937 rng(20261207);
    for (int sequence = 0; sequence < 40; ++sequence) {
        BoutTable t(1'700'000'000'000 + sequence * 7'919'000LL);
        std::string steps;
        for (int step = 0; step < 150; ++step) {
            const unsigned pick = rng() % 10;
            if (pick < 4) {
                const int ms = static_cast<int>(rng() % 3'000);
                steps += "run " + std::to_string(ms) + "; ";
                t.form.scheduler.RunFor(ms);
            } else if (pick == 4) {
                steps += "pause; ";
                t.game.Choose(Verb::PauseOrResume);
            } else if (pick == 5) {
                steps += "dialog; ";
                t.game.WhileHeld([&] {
                    const std::string scene = Scene(t);
                    EXPECT_TRUE(NoneRunning(t)) << steps;
                    t.form.scheduler.RunFor(rng() % 5'000);
                    EXPECT_EQ(Scene(t), scene) << steps;
                });
            } else if (pick == 6) {
                // The custom dialog does not hold play; it may be cancelled.
                steps += "custom; ";
                t.form.scheduler.RunFor(rng() % 4'000);
                if (rng() % 2)
                    t.game.ChooseCustom(
                        {8 + static_cast<int>(rng() % 5), 80 + 10 * static_cast<int>(rng() % 5)});
            } else {
                const std::size_t choice = rng() % kChoices.size();
                steps += "choice " + std::to_string(choice) + "; ";
                t.game.Choose(kChoices[choice]);
            }

            const bool paused = t.probe.Paused();
            ASSERT_EQ(Paused(t), paused) << steps;
            if (paused) {
                ASSERT_TRUE(NoneRunning(t)) << "play behind a pause: " << steps;
            } else if (NoneRunning(t)) {
                ASSERT_EQ(t.Poses(), "DEFEATA DEFEATB") << "stalled: " << steps;
            }
        }
        if (t.probe.Paused()) t.game.Choose(Verb::PauseOrResume);
        t.game.Choose(Verb::NewGame);
        ASSERT_TRUE(t.RunToFencing(10'000)) << steps;
    }
}

// Unless the player chose "Pause When Inactive", a bout runs on behind another window.
TEST(Pause, LosingTheFocusPausesOnlyABoutThePlayerFencesWhenChosenAndOnlyF3ResumesIt) {
    for (const bool chosen : {false, true})
        for (const auto& [before, pauses] :
             std::initializer_list<std::pair<void (*)(BoutTable&), bool>>{
                 {[](BoutTable& t) { t.StartPlayersBout(); }, true},
                 {[](BoutTable& t) { t.game.Choose(Verb::NewGame); }, true}, // the salute
                 {[](BoutTable&) {}, false},
                 {[](BoutTable& t) { t.form.scheduler.RunFor(20'000); }, false}, // a demonstration
                 {[](BoutTable& t) { t.StartPlayersBout(), t.EndBout(); }, false}}) {
            BoutTable t;
            if (chosen) t.game.Choose(Verb::TogglePauseWhenInactive);
            before(t);
            const auto running = Running(t);
            t.game.FocusLost(), t.game.FocusLost(); // lost again: still paused
            EXPECT_EQ(Running(t), chosen && pauses ? decltype(running){} : running) << chosen;
            EXPECT_EQ(t.probe.Paused(), chosen && pauses) << chosen;
            if (chosen && pauses) t.game.Choose(Verb::PauseOrResume);
            EXPECT_EQ(Running(t), running);
        }
}

// The wall clock set back or on by an hour, or a machine asleep for one, in the middle of a
// demonstration: play goes on at its own pace, neither stopped for the hour nor fencing it at
// once.
TEST(Pause, AClockSetBackOrOnNeitherStopsPlayNorRacesIt) {
    using pistework::test::ShiftedClock;
    constexpr std::int64_t kHourMs = 3'600'000;
    auto ticksAfter = [](std::int64_t shift) {
        platform::headless::HeadlessPlatform form(1'700'000'000'000);
        ShiftedClock clock(form.scheduler);
        platform::Services services = form.Services();
        game::Game game({services.timers, services.sound, services.store, clock, services.bouts});
        game.Start();
        form.scheduler.RunFor(20'000); // into the demonstration's salute and first calls
        clock.shift = shift;
        const std::uint64_t before = form.scheduler.TicksRun();
        form.scheduler.RunFor(5'000);
        return form.scheduler.TicksRun() - before;
    };
    const std::uint64_t steady = ticksAfter(0);
    ASSERT_GT(steady, 10u);
    for (const std::int64_t shift : {-kHourMs, kHourMs}) {
        const std::uint64_t ticks = ticksAfter(shift);
        EXPECT_GT(ticks, steady / 2) << shift;
        EXPECT_LT(ticks, steady * 2) << shift;
    }
}
