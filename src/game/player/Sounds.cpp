// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/player/Sounds.h"

namespace pistework::game {

std::string ParrySoundBeside(const std::string& hitSound) {
    const std::size_t slash = hitSound.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : hitSound.substr(0, slash + 1);
    return folder + "start.wav";
}

} // namespace pistework::game
