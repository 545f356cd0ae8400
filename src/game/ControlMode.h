// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Beside the view, whose menu marks it, rather than in player/: the view sits beneath the bout,
// and the bout beneath the player's options.

namespace pistework::game {

// How the player commands the fencer. A stored control value other than keyboard or mouse
// shows neither mark and hides the buttons; the keys are then ignored too.
enum class ControlMode { Keyboard, Mouse, Neither };

} // namespace pistework::game
