// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Fencer.h"

#include <vector>

namespace sprites {

// Every fencer picture of the game: the 32 fencer frames, the salutes and the bout-end
// pictures, in the order the contact sheet shows them.
const std::vector<Pose>& FencerPoses();

} // namespace sprites
