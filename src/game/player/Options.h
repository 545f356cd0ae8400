// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bout options the player sets from the menu: game length, timed bout, how the player
// commands the fencer, who fences on the left, the keys and the sound. The menu marks show
// these; nothing reads the marks back.

#include "game/ControlMode.h"
#include "game/bout/Levels.h"

#include <optional>

#include <string>

namespace pistework::game {

struct BoutOptions {
    int maxHits = 15;
    bool timed = true;
    ControlMode control = ControlMode::Mouse;
    // The graded level whose menu item is marked; none for "Custom" and "2 Player".
    std::optional<Level> level = kNovice;
    bool twoPlayer = false;
    // The strength the player chose, kept while a demonstration plays at Champion strength.
    Strength chosen = kNovice.strength;
    // One key per command: advance, extend, lunge, retreat, parry, flèche.
    std::u32string keysLeft = U"wsxqaz";
    std::u32string keysRight = U"mko,lp";
    bool soundOn = false;
    // Beside the rules, off unless chosen: a bout pauses when the player leaves the window.
    bool pauseWhenInactive = false;
    // Hosting asks the home router to open the port to the internet, unless turned off.
    bool askRouter = true;
    std::string hitSound;
    std::string parrySound;

    bool Custom() const { return !level && !twoPlayer; }
    bool TakesKeys() const { return control == ControlMode::Keyboard; }
};

} // namespace pistework::game
