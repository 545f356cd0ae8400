// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace pistework::game {

// How the player commands the fencer. A stored control value other than keyboard or mouse
// shows neither mark and hides the buttons; the keys are then ignored too.
enum class ControlMode { Keyboard, Mouse, Neither };

} // namespace pistework::game
