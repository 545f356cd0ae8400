// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the piste shows of one fencer. It sits with the piste, not with the view, so that the
// piste's own reading of its pictures (Reach.h) needs nothing above it.

#include <string>

namespace pistework::game {

struct FencerView {
    std::string pose; // the sprite shown, e.g. "STEP3A"
    int x = 0;        // the left edge of the sprite
    bool operator==(const FencerView&) const = default;
};

} // namespace pistework::game
