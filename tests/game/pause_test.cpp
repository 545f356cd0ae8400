// Pause, resume and the dialogs that hold play: nothing moves while play is held, play goes on
// exactly where it was afterwards, and no order of menu choices can stall a bout.

#include "BoutTable.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

using namespace pistework;
using game::Side;
using table::BoutTable;

namespace {

std::array<platform::headless::VirtualTimer*, 7> PlayTimers(BoutTable& t) {
    auto& f = t.form;
    return {&f.TimerLeft,  &f.TimerRight,  &f.TimerPresident, &f.TimerClock,
            &f.TimerLight, &f.TimerSalute, &f.TimerAutoPlay};
}

std::array<bool, 7> Running(BoutTable& t) {
    std::array<bool, 7> running{};
    const auto timers = PlayTimers(t);
    for (std::size_t i = 0; i < timers.size(); ++i)
        running[i] = timers[i]->Enabled();
    return running;
}

bool NoneRunning(BoutTable& t) {
    for (bool running : Running(t))
        if (running) return false;
    return true;
}

// What a player sees of the bout.
std::string Scene(BoutTable& t) {
    return t.form.imgFencerA.PictureName() + "@" + std::to_string(t.form.imgFencerA.Left()) + " " +
           t.form.imgFencerB.PictureName() + "@" + std::to_string(t.form.imgFencerB.Left()) + " " +
           t.Call() + " " + t.form.lblTime.Caption() + " " + t.form.lblScore0.Caption() + ":" +
           t.form.lblScore1.Caption();
}

std::string PauseCaption(BoutTable& t) {
    return t.form.Menu("mnuFilePauseGame").Caption();
}

} // namespace

TEST(Pause, ResumingRestartsExactlyTheTimersThatRanAndNothingMovesMeanwhile) {
    BoutTable t;
    t.StartPlayersBout();
    t.form.scheduler.RunFor(2'345);
    const auto before = Running(t);
    const std::string scene = Scene(t);
    ASSERT_TRUE(before[3]) << "fencing, with the clock running";

    t.form.Menu("mnuFilePauseGame").Click();
    EXPECT_EQ(PauseCaption(t), "&Resume Game");
    EXPECT_TRUE(NoneRunning(t));
    t.form.scheduler.RunFor(60'000);
    EXPECT_EQ(Scene(t), scene);

    t.form.Menu("mnuFilePauseGame").Click();
    EXPECT_EQ(PauseCaption(t), "&Pause Game");
    EXPECT_EQ(Running(t), before);

    // A dialog opened and closed while paused leaves the pause as it was.
    t.form.Menu("mnuFilePauseGame").Click();
    t.game.WhileHeld([&] { t.form.scheduler.RunFor(5'000); });
    EXPECT_TRUE(NoneRunning(t));
    t.form.Menu("mnuFilePauseGame").Click();
    EXPECT_EQ(Running(t), before);
}

TEST(Pause, APauseOrADialogAtAnyStepOfTheSaluteHoldsItAndTheBoutGoesOnAfterwards) {
    for (bool dialog : {false, true}) {
        for (int step = 0; step <= 6; ++step) {
            SCOPED_TRACE(std::to_string(step) + (dialog ? " dialog" : " pause"));
            BoutTable t;
            t.form.Menu("mnuFileNewGame").Click();
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
                t.form.Menu("mnuFilePauseGame").Click();
                held();
                t.form.Menu("mnuFilePauseGame").Click();
            }
            EXPECT_TRUE(t.RunToFencing(10'000)) << "the bout goes on to Fence";
        }
    }
}

TEST(Pause, NewGameOrALevelChoiceWhilePausedNeverBringsTheOldBoutBack) {
    // New Game plays at once, unpaused.
    BoutTable t;
    t.StartPlayersBout();
    t.form.Menu("mnuFilePauseGame").Click();
    t.form.Menu("mnuFileNewGame").Click();
    EXPECT_EQ(PauseCaption(t), "&Pause Game");
    EXPECT_TRUE(t.RunToFencing(10'000));
    const auto fencing = Running(t);
    t.form.Menu("mnuFilePauseGame").Click();
    t.form.Menu("mnuFilePauseGame").Click();
    EXPECT_EQ(Running(t), fencing) << "one pause, one resume: the old pause is forgotten";

    // A level chosen while paused ends the bout: resuming restarts none of it.
    BoutTable level;
    level.StartPlayersBout();
    level.form.Menu("mnuFilePauseGame").Click();
    level.form.Menu("Champion").Click();
    level.form.Menu("mnuFilePauseGame").Click();
    EXPECT_TRUE(NoneRunning(level));
    EXPECT_EQ(level.form.imgFencerA.PictureName(), "DEFEATA");
    EXPECT_EQ(level.form.imgFencerB.PictureName(), "DEFEATB");
}

// Random sequences of every choice a player can make, in virtual time. After each step: a
// paused game runs no timer and says "&Resume Game"; otherwise something runs, unless the
// piste stands beaten after a level choice, waiting for New Game. At the end New Game fences.
TEST(Pause, NoSequenceOfPausesDialogsAndMenuChoicesStallsABoutOrPlaysBehindAPause) {
    const char* const kItems[] = {
        "Novice",   "Intermediate", "Advanced",  "QuarterFinalist", "SemiFinalist",
        "Champion", "mnuKeyboard",  "mnuMouse",  "mnu2Player",      "TimedBout",
        "Firstto5", "Firstto10",    "Firstto15", "SoundOn",         "mnuFileNewGame"};
    std::mt19937 rng(20261207);
    for (int sequence = 0; sequence < 40; ++sequence) {
        BoutTable t(1'700'000'000'000 + sequence * 7'919'000LL);
        t.game.SetOnCustomLevel([&](const game::Strength&) -> std::optional<game::Strength> {
            t.form.scheduler.RunFor(rng() % 4'000); // the custom dialog does not hold play
            if (rng() % 2) return std::nullopt;
            return game::Strength{8 + static_cast<int>(rng() % 5),
                                  80 + 10 * static_cast<int>(rng() % 5)};
        });
        std::string steps;
        for (int step = 0; step < 150; ++step) {
            const unsigned pick = rng() % 10;
            if (pick < 4) {
                const int ms = static_cast<int>(rng() % 3'000);
                steps += "run " + std::to_string(ms) + "; ";
                t.form.scheduler.RunFor(ms);
            } else if (pick == 4) {
                steps += "pause; ";
                t.form.Menu("mnuFilePauseGame").Click();
            } else if (pick == 5) {
                steps += "dialog; ";
                t.game.WhileHeld([&] {
                    const std::string scene = Scene(t);
                    EXPECT_TRUE(NoneRunning(t)) << steps;
                    t.form.scheduler.RunFor(rng() % 5'000);
                    EXPECT_EQ(Scene(t), scene) << steps;
                });
            } else if (pick == 6) {
                steps += "custom; ";
                t.form.Menu("Custom1").Click();
            } else {
                const char* item = kItems[rng() % std::size(kItems)];
                steps += std::string(item) + "; ";
                t.form.Menu(item).Click();
            }

            const bool paused = t.game.Paused();
            ASSERT_EQ(PauseCaption(t), paused ? "&Resume Game" : "&Pause Game") << steps;
            if (paused) {
                ASSERT_TRUE(NoneRunning(t)) << "play behind a pause: " << steps;
            } else if (NoneRunning(t)) {
                ASSERT_EQ(t.form.imgFencerA.PictureName(), "DEFEATA") << "stalled: " << steps;
                ASSERT_EQ(t.form.imgFencerB.PictureName(), "DEFEATB") << "stalled: " << steps;
            }
        }
        if (t.game.Paused()) t.form.Menu("mnuFilePauseGame").Click();
        t.form.Menu("mnuFileNewGame").Click();
        ASSERT_TRUE(t.RunToFencing(10'000)) << steps;
    }
}
