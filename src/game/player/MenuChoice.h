// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a menu item asks of the game: a verb and, for the items that choose among several,
// which one. The window's menu table names one for each item the game answers.

#include "game/ControlMode.h"

namespace pistework::game {

enum class Verb {
    NewGame,
    PauseOrResume,
    SetTarget, // the value is the hits to win
    ToggleTimed,
    ChooseLevel, // the value is the graded level's number, 1 to 6
    ChooseTwoPlayers,
    SetControl, // the value is the control mode
    ToggleSound,
    TogglePauseWhenInactive,
    ToggleAskRouter,
};

struct Choice {
    constexpr Choice(Verb verb, int value = 0) : verb(verb), value(value) {}
    constexpr Choice(Verb verb, ControlMode mode) : verb(verb), value(static_cast<int>(mode)) {}
    Verb verb;
    int value;
    bool operator==(const Choice&) const = default;
};

// Where a fencer's command comes from; each is taken only when its player may fence.
enum class CommandSource {
    Keys,    // a typed character, already looked up in the players' key layouts
    Buttons, // the command buttons of mouse control
    Pad,     // a game pad
};

} // namespace pistework::game
