// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/piste/Piste.h"

namespace pistework::game {

namespace {
// The strip covers 17 rows; over them the left end leans from x 9 to 1 and the right end
// from 448 to 441, one pixel every two rows (the right end one row behind the left).
constexpr int kStripTop = 2;
constexpr int kStripRows = 17;
} // namespace

std::vector<PisteColour> PistePixels() {
    std::vector<PisteColour> px(kPisteWidth * kPisteHeight, PisteColour::White);
    for (int r = 0; r < kStripRows; ++r) {
        const int y = kStripTop + r;
        const int left = 9 - r / 2;
        const int right = 448 - (r > 0 ? (r - 1) / 2 : 0);
        const bool outline = r < 2 || r >= kStripRows - 2;
        for (int x = left; x <= right; ++x) {
            bool cross = false;
            for (int line : kPisteCrossLines) {
                const int lx = line - r / 2;
                cross = cross || x == lx || x == lx + 1;
            }
            px[y * kPisteWidth + x] = outline || cross ? PisteColour::Yellow : PisteColour::Green;
        }
    }
    return px;
}

} // namespace pistework::game
