// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fencing school's lessons, each a row: where the fencers start, what the computer's
// fencer is held to, what the player must do, and what is said when it goes wrong. The texts
// are the game's own English, marked for translation; the window shows them translated.

#include "game/TextMarks.h"
#include "game/piste/Side.h"
#include "platform/Platform.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace pistework::game::school {

// What the computer's fencer does in a lesson, and nothing else.
enum class Script : std::uint8_t {
    Stands,
    Advances,         // a step every so often, while it is out of its lunge's reach
    LungesInDistance, // advances, and lunges once the other's target is within its reach
    CounterAttacks,   // stands, and lunges as soon as the other's attack begins
    Fleches,          // runs a flèche from beyond its lunge's reach
};

// What the player must do to pass.
enum class Goal : std::uint8_t {
    MoveBothWays, // advance two steps, then retreat one
    KeepDistance, // keep just out of reach for the lesson's seconds
    LandLunge,    // a lunge that scores
    Recover,      // a lunge, then back on guard before the other's lunge lands
    Parry,        // catch the other's blade with a parry
    ParryRiposte, // a hit that follows a parry
    BeatCounter,  // a hit while the other counter-attacks
    LandFleche,   // a flèche that scores, without a card
    StopFleche,   // the other's flèche parried, or out-scored
};

// What went wrong, said in the referee's terms, with how to mend it.
enum class Hint : std::uint8_t {
    None,
    NotMoved,
    NoRetreat,
    TooClose,
    TooFar,
    NoLunge,
    LungeShort, // with the steps it stopped short
    LungeOffTarget,
    LungePast, // with the steps the point went past the target
    BentLunge,
    StayedInLunge,
    WasHit,
    NoParry,
    NoRiposte,
    CounterLanded,
    RanPast,
    Card,
    NoFleche,
    FlecheLanded,
};

struct Lesson {
    std::string_view title;
    std::string_view about; // what it teaches, as the list shows it
    std::string_view task;  // what to do, as the piste shows it
    PerSide<int> stepsIn;   // each fencer's start, in steps forward of its engarde line
    Script script;
    Goal goal;
    int seconds; // an attempt's time; for keeping the distance, how long to keep it
    bool showDistance;
};

inline constexpr std::array<Lesson, 9> kLessons{{
    {QT_TRANSLATE_NOOP("School", "Your fencer"),
     QT_TRANSLATE_NOOP("School", "You fence the right fencer. Find your keys, or the buttons "
                                 "under the piste, and move: forward and back."),
     QT_TRANSLATE_NOOP("School", "You are the right fencer. Advance two steps, then retreat "
                                 "one."),
     {0, 0},
     Script::Stands,
     Goal::MoveBothWays,
     20,
     false},
    {QT_TRANSLATE_NOOP("School", "Distance"),
     QT_TRANSLATE_NOOP("School", "Distance is how far apart the fencers stand. Just out of the "
                                 "other's reach you are safe, and one step brings you in."),
     QT_TRANSLATE_NOOP("School", "The other fencer advances. Retreat as it comes, and stay one "
                                 "to three steps out of its reach for ten seconds."),
     {4, 4},
     Script::Advances,
     Goal::KeepDistance,
     10,
     true},
    {QT_TRANSLATE_NOOP("School", "The lunge"),
     QT_TRANSLATE_NOOP("School", "The lunge scores when its point arrives on the target, from "
                                 "the right distance: a step farther falls short, a step closer "
                                 "goes past."),
     QT_TRANSLATE_NOOP("School", "Advance into distance, extend your arm, and lunge."),
     {0, 6},
     Script::Stands,
     Goal::LandLunge,
     25,
     true},
    {QT_TRANSLATE_NOOP("School", "The recovery"),
     QT_TRANSLATE_NOOP("School", "A lunge that misses leaves you open. Recover at once: the "
                                 "lunge key again brings you back on guard."),
     QT_TRANSLATE_NOOP("School", "Lunge from where you stand, then recover before the other "
                                 "fencer's lunge lands."),
     {0, 6},
     Script::LungesInDistance,
     Goal::Recover,
     20,
     true},
    {QT_TRANSLATE_NOOP("School", "The parry"),
     QT_TRANSLATE_NOOP("School", "A parry catches the other's blade while its arm is extended, "
                                 "and its attack is gone."),
     QT_TRANSLATE_NOOP("School", "Wait for the other fencer's lunge, and parry it."),
     {3, 6},
     Script::LungesInDistance,
     Goal::Parry,
     25,
     true},
    {QT_TRANSLATE_NOOP("School", "Parry-riposte"),
     QT_TRANSLATE_NOOP("School", "After a parry the other fencer is in its lunge, close and "
                                 "open: your lunge at once, the riposte, scores."),
     QT_TRANSLATE_NOOP("School", "Parry the other fencer's lunge, then lunge at once."),
     {3, 6},
     Script::LungesInDistance,
     Goal::ParryRiposte,
     25,
     true},
    {QT_TRANSLATE_NOOP("School", "Attack and counter-attack"),
     QT_TRANSLATE_NOOP("School", "In this game the first point to land scores, and a point "
                                 "that arrives while the other is lunging is a counter-attack "
                                 "out of time: the attack that lands after it still scores."),
     QT_TRANSLATE_NOOP("School", "The other fencer counter-attacks as soon as your arm goes "
                                 "out. From one step out of reach, extend and lunge at once."),
     {0, 6},
     Script::CounterAttacks,
     Goal::BeatCounter,
     25,
     true},
    {QT_TRANSLATE_NOOP("School", "The flèche"),
     QT_TRANSLATE_NOOP("School", "The flèche is a running attack: it scores when its point "
                                 "arrives on the target. A flèche that runs past the other "
                                 "scores nothing, and a second pass too soon earns a card."),
     QT_TRANSLATE_NOOP("School", "Extend your arm, and flèche from where your point will "
                                 "arrive on the target."),
     {0, 0},
     Script::Stands,
     Goal::LandFleche,
     30,
     true},
    {QT_TRANSLATE_NOOP("School", "Against the flèche"),
     QT_TRANSLATE_NOOP("School", "A flèche runs at you from afar. Parry it as it arrives, or "
                                 "score first with a lunge as it comes into your reach."),
     QT_TRANSLATE_NOOP("School", "The other fencer runs a flèche: stop it."),
     {0, 3},
     Script::Fleches,
     Goal::StopFleche,
     25,
     true},
}};

inline constexpr int kLessonCount = static_cast<int>(kLessons.size());

// The lessons passed, one bit each from the first, as the options keep them.
using Passed = unsigned;
// The first lesson is open, and each one after a lesson passed.
constexpr bool IsOpen(Passed passed, int index) {
    return index == 0 || (index > 0 && index < kLessonCount && (passed >> (index - 1)) & 1u);
}

// Stored beside the options; absent until a lesson is passed. A value out of range counts as
// none passed.
inline constexpr const char* kPassedName = "LessonsPassed";
Passed ReadPassed(const platform::Store& store);
// False when the store would not take it.
bool WritePassed(platform::Store& store, Passed passed);

} // namespace pistework::game::school
